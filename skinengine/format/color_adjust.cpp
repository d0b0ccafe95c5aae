#include "skinengine/format/color_adjust.h"

#include <algorithm>
#include <cmath>

namespace {

struct Hsl {
  double h;  // 0..360
  double s;  // 0..1
  double l;  // 0..1
};

Hsl ToHsl(SkinColor c) {
  const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  Hsl out{0.0, 0.0, (high + low) / 2.0};
  const double range = high - low;
  if (range <= 0.0) return out;
  out.s = out.l > 0.5 ? range / (2.0 - high - low) : range / (high + low);
  if (high == r) {
    out.h = (g - b) / range + (g < b ? 6.0 : 0.0);
  } else if (high == g) {
    out.h = (b - r) / range + 2.0;
  } else {
    out.h = (r - g) / range + 4.0;
  }
  out.h *= 60.0;
  return out;
}

double HueChannel(double p, double q, double t) {
  if (t < 0.0) t += 1.0;
  if (t > 1.0) t -= 1.0;
  if (t < 1.0 / 6.0) return p + (q - p) * 6.0 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3.0) return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
  return p;
}

std::uint8_t ToByte(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

SkinColor FromHsl(const Hsl& c) {
  if (c.s <= 0.0) return SkinColor{ToByte(c.l), ToByte(c.l), ToByte(c.l)};
  const double q = c.l < 0.5 ? c.l * (1.0 + c.s) : c.l + c.s - c.l * c.s;
  const double p = 2.0 * c.l - q;
  const double h = c.h / 360.0;
  return SkinColor{ToByte(HueChannel(p, q, h + 1.0 / 3.0)), ToByte(HueChannel(p, q, h)),
                   ToByte(HueChannel(p, q, h - 1.0 / 3.0))};
}

// Moves v (0..1) towards 0 for a negative percent and towards 1 for a positive one.
double Towards(double v, int percent) {
  const double f = percent / 100.0;
  return f < 0.0 ? v * (1.0 + f) : v + (1.0 - v) * f;
}

}  // namespace

SkinColor AdjustColor(SkinColor color, int hue, int saturation, int brightness) {
  hue = std::clamp(hue, -180, 180);
  saturation = std::clamp(saturation, -100, 100);
  brightness = std::clamp(brightness, -100, 100);
  if (hue == 0 && saturation == 0 && brightness == 0) return color;
  Hsl c = ToHsl(color);
  c.h = std::fmod(c.h + hue + 360.0, 360.0);
  c.s = Towards(c.s, saturation);
  c.l = Towards(c.l, brightness);
  return FromHsl(c);
}

SkinScheme AdjustScheme(const SkinScheme& scheme, int hue, int saturation, int brightness) {
  SkinScheme out = scheme;
  for (SkinColor& c : out.colors) c = AdjustColor(c, hue, saturation, brightness);
  return out;
}
