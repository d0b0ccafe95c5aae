#pragma once
// The hue, saturation and brightness adjustment that a caller may ask for
// when it applies a skin. 0, 0, 0 leaves every colour as stored.
//   hue:        degrees, -180..180, turns every colour round the colour wheel
//   saturation: percent, -100..100, towards grey (negative) or full colour
//   brightness: percent, -100..100, towards black (negative) or white
// Larger values are taken as the nearest bound.

#include "skinengine/format/skin_scheme.h"

SkinColor AdjustColor(SkinColor color, int hue, int saturation, int brightness);
SkinScheme AdjustScheme(const SkinScheme& scheme, int hue, int saturation, int brightness);
