#include "toolkit/focus_order.h"

#include <algorithm>

std::vector<int> FocusStopOrder(const std::vector<FocusCandidate>& controls) {
  std::vector<int> order;
  for (int i = static_cast<int>(controls.size()) - 1; i >= 0; --i) {
    const FocusCandidate& c = controls[i];
    if (c.focusStop && c.visible && c.enabled) order.push_back(i);
  }
  // Stable, so equal values keep the reverse control order built above.
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return controls[a].tabOrder < controls[b].tabOrder; });
  return order;
}

int NextFocusStop(const std::vector<int>& order, int current, bool backwards) {
  if (order.empty()) return -1;
  const int count = static_cast<int>(order.size());
  const auto found = std::find(order.begin(), order.end(), current);
  if (found == order.end()) return backwards ? order.back() : order.front();
  const int at = static_cast<int>(found - order.begin());
  return order[(at + (backwards ? count - 1 : 1)) % count];
}
