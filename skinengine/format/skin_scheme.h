#pragma once
// What a skin describes: a named colour scheme and a few drawing metrics.
// The engine draws with these values only; the binary format and the text
// source are two spellings of this one record.

#include <array>
#include <cstdint>

#include "base/text.h"

struct SkinColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

inline bool operator==(SkinColor a, SkinColor b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator!=(SkinColor a, SkinColor b) {
  return !(a == b);
}

// The order is the binary format's role numbering: append only.
enum class ColorRole : std::uint8_t {
  Window,               // client background of top-level windows
  WindowText,           // labels on the window background
  Frame,                // the window frame around caption and client
  Caption,              // active caption, top of its gradient
  CaptionEnd,           // active caption, bottom of its gradient
  CaptionText,          // title text and caption button glyphs
  CaptionInactive,      // caption of a window that is not active
  CaptionInactiveText,  // its title text
  CloseHot,             // close button under the mouse
  ClosePressed,         // close button held down
  CloseGlyph,           // close button glyph while hot or pressed
  Button,               // push button face
  ButtonHot,            // push button under the mouse
  ButtonPressed,        // push button held down
  ButtonText,           // push button caption
  ButtonBorder,         // push button outline
  ButtonDisabled,       // face of a disabled push button
  ButtonDisabledText,   // caption of a disabled push button
  Focus,                // accent: focused or default button outline, focused edit border
  Edit,                 // edit box background
  EditText,             // edit box text
  EditBorder,           // edit box outline
  List,                 // report list background
  ListText,             // report list text
  ListHeader,           // list header background
  ListHeaderText,       // list header text
  ListGrid,             // list grid lines
  Selection,            // selected list row
  SelectionText,        // text of a selected list row
};
constexpr int kColorRoleCount = 29;

enum class Metric : std::uint8_t {
  ButtonRadius,  // corner radius of push buttons, 0..10 pixels
  ButtonGloss,   // how much lighter the top of a button face is, 0..60 percent
  CaptionAlign,  // title text: 0 left, 1 centred
  BorderWidth,   // outline of buttons and edit boxes, 1..2 pixels
};
constexpr int kMetricCount = 4;

struct MetricRange {
  std::int32_t min;
  std::int32_t max;
};

struct SkinScheme {
  Text name;
  std::array<SkinColor, kColorRoleCount> colors{};
  std::array<std::int32_t, kMetricCount> metrics{};

  SkinColor color(ColorRole role) const { return colors[static_cast<int>(role)]; }
  std::int32_t metric(Metric m) const { return metrics[static_cast<int>(m)]; }
};

bool operator==(const SkinScheme& a, const SkinScheme& b);

// The names used in skin sources, indexed by role or metric number.
const char* ColorRoleName(int role);
const char* MetricName(int metric);
MetricRange MetricLimits(int metric);

// Index of a name, or -1.
int FindColorRole(const Text& name);
int FindMetric(const Text& name);
