#include "skinengine/theme_win.h"

#include <cstddef>
#include <new>

namespace {

// The system's caption font, as the default caption uses it, so that titles
// keep their size and their Chinese glyphs.
HFONT CreateCaptionFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    // Systems before Vista know the structure without its last field.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
      LOGFONTA fallback = {};
      GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
      fallback.lfWeight = FW_BOLD;
      return CreateFontIndirectA(&fallback);
    }
  }
  return CreateFontIndirectA(&metrics.lfCaptionFont);
}

}  // namespace

std::unique_ptr<Theme> Theme::Create(const SkinScheme& scheme) {
  std::unique_ptr<Theme> theme(new (std::nothrow) Theme());
  if (!theme) return nullptr;
  for (int role = 0; role < kColorRoleCount; ++role) {
    const SkinColor c = scheme.colors[role];
    theme->colors_[role] = RGB(c.red, c.green, c.blue);
    theme->brushes_[role] = Brush(CreateSolidBrush(theme->colors_[role]));
    if (!theme->brushes_[role]) return nullptr;
  }
  theme->captionFont_ = Font(CreateCaptionFont());
  if (!theme->captionFont_) return nullptr;
  theme->buttonRadius_ = scheme.metric(Metric::ButtonRadius);
  theme->buttonGloss_ = scheme.metric(Metric::ButtonGloss);
  theme->captionCentred_ = scheme.metric(Metric::CaptionAlign) == 1;
  theme->borderWidth_ = scheme.metric(Metric::BorderWidth);
  return theme;
}
