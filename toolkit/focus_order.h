#pragma once
// The focus rule: a window's focus stops are its visible, enabled controls
// marked as stops, ordered by tab-order value, smallest first, and among equal
// values in the reverse of the control order. Tab and Shift+Tab wrap around.

#include <vector>

struct FocusCandidate {
  bool focusStop;
  bool visible;
  bool enabled;
  int tabOrder;
};

// Control indices of the focus stops, in focus order.
std::vector<int> FocusStopOrder(const std::vector<FocusCandidate>& controls);

// The stop after (or before) control `current`; the first (or last) stop when
// `current` is not a stop; -1 when there are no stops.
int NextFocusStop(const std::vector<int>& order, int current, bool backwards);
