// The hue, saturation and brightness adjustment of a skin's colours.

#include <gtest/gtest.h>

#include <cstdlib>

#include "skinengine/format/color_adjust.h"

namespace {

bool Near(SkinColor a, SkinColor b) {
  return std::abs(a.red - b.red) <= 1 && std::abs(a.green - b.green) <= 1 &&
         std::abs(a.blue - b.blue) <= 1;
}

struct AdjustCase {
  const char* what;
  SkinColor in;
  int hue, saturation, brightness;
  SkinColor out;
};

TEST(ColorAdjust, MovesColoursAsAskedAndWithinBounds) {
  const AdjustCase cases[] = {
      {"nothing asked", {18, 52, 86}, 0, 0, 0, {18, 52, 86}},
      {"half turn", {255, 0, 0}, 180, 0, 0, {0, 255, 255}},
      {"third turn back", {0, 0, 255}, -120, 0, 0, {0, 255, 0}},
      {"turn beyond the bound is a half turn", {255, 0, 0}, 1000, 0, 0, {0, 255, 255}},
      {"no saturation is grey", {255, 0, 0}, 0, -100, 0, {128, 128, 128}},
      {"full brightness is white", {40, 90, 200}, 0, 0, 100, {255, 255, 255}},
      {"no brightness is black", {40, 90, 200}, 0, 0, -100, {0, 0, 0}},
      {"below the bound is black too", {40, 90, 200}, 0, 0, -500, {0, 0, 0}},
      {"half darker", {200, 100, 50}, 0, 0, -50, {100, 50, 25}},
      {"grey has no hue to turn", {100, 100, 100}, 90, 0, 0, {100, 100, 100}},
  };
  for (const AdjustCase& c : cases) {
    const SkinColor got = AdjustColor(c.in, c.hue, c.saturation, c.brightness);
    EXPECT_TRUE(Near(got, c.out)) << c.what << ": got " << int(got.red) << "," << int(got.green)
                                  << "," << int(got.blue);
  }
}

TEST(ColorAdjust, SchemeAdjustmentChangesEveryColourButNotTheRest) {
  SkinScheme scheme;
  scheme.name = "n";
  for (int i = 0; i < kColorRoleCount; ++i) {
    scheme.colors[i] = SkinColor{static_cast<std::uint8_t>(40 + i), 90, 160};
  }
  scheme.metrics = {3, 20, 1, 2};
  const SkinScheme adjusted = AdjustScheme(scheme, 60, 10, -10);
  EXPECT_EQ(adjusted.name, "n");
  EXPECT_EQ(adjusted.metrics, scheme.metrics);
  for (int i = 0; i < kColorRoleCount; ++i) {
    EXPECT_NE(adjusted.colors[i], scheme.colors[i]) << ColorRoleName(i);
  }
}

}  // namespace
