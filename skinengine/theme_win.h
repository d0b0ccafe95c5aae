#pragma once
// A skin scheme made ready for drawing: its colours as COLORREFs, one brush per
// colour, and the caption font. Owns every GDI object it holds.

#include <windows.h>

#include <array>
#include <memory>

#include "skinengine/format/skin_scheme.h"
#include "skinengine/gdi_win.h"

class Theme {
 public:
  COLORREF color(ColorRole role) const { return colors_[static_cast<int>(role)]; }
  HBRUSH brush(ColorRole role) const { return brushes_[static_cast<int>(role)].get(); }
  HFONT captionFont() const { return captionFont_.get(); }
  int buttonRadius() const { return buttonRadius_; }
  int buttonGloss() const { return buttonGloss_; }
  bool captionCentred() const { return captionCentred_; }
  int borderWidth() const { return borderWidth_; }

  // Null when a GDI object cannot be made; nothing is left behind then.
  static std::unique_ptr<Theme> Create(const SkinScheme& scheme);

 private:
  Theme() = default;
  std::array<COLORREF, kColorRoleCount> colors_{};
  std::array<Brush, kColorRoleCount> brushes_;
  Font captionFont_;
  int buttonRadius_ = 0;
  int buttonGloss_ = 0;
  bool captionCentred_ = false;
  int borderWidth_ = 1;
};
