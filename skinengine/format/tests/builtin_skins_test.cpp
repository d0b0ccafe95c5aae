// The 33 built-in skins as the build compiled them: each one parses, and
// they are readable and tell apart from one another.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "skinengine/format/skin_binary.h"

namespace {

constexpr int kBuiltinSkinCount = 33;

Bytes ReadSkin(int n) {
  const Text path = Text(BUILTIN_SKIN_DIR) + "/" + std::to_string(n) + ".she";
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

double Linear(std::uint8_t channel) {
  const double v = channel / 255.0;
  return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(SkinColor c) {
  return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

// The contrast ratio of the usual accessibility guidelines, 1..21.
double Contrast(SkinColor a, SkinColor b) {
  double la = Luminance(a), lb = Luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

int Distance(SkinColor a, SkinColor b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

class BuiltinSkins : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (int n = 1; n <= kBuiltinSkinCount; ++n) {
      const Bytes data = ReadSkin(n);
      files_.push_back(data);
      schemes_.push_back(
          ParseSkin(reinterpret_cast<const unsigned char*>(data.data()), data.size(), "").scheme);
    }
  }
  static std::vector<Bytes> files_;
  static std::vector<SkinScheme> schemes_;
};

std::vector<Bytes> BuiltinSkins::files_;
std::vector<SkinScheme> BuiltinSkins::schemes_;

TEST_F(BuiltinSkins, EachBeginsWithTheMarkAndParsesWithTheEmptyPassword) {
  for (int n = 1; n <= kBuiltinSkinCount; ++n) {
    const Bytes& data = files_[n - 1];
    ASSERT_GE(data.size(), 4u) << "skin " << n;
    EXPECT_EQ(std::memcmp(data.data(), ".SHE", 4), 0) << "skin " << n;
    const SkinParseResult parsed =
        ParseSkin(reinterpret_cast<const unsigned char*>(data.data()), data.size(), "");
    EXPECT_EQ(parsed.error, SkinError::None) << "skin " << n << ": " << SkinErrorText(parsed.error);
  }
}

TEST_F(BuiltinSkins, TextReadsOnItsBackground) {
  struct Pair {
    ColorRole text;
    ColorRole background;
    double minimum;
  };
  const Pair pairs[] = {
      {ColorRole::WindowText, ColorRole::Window, 4.5},
      {ColorRole::CaptionText, ColorRole::Caption, 4.5},
      {ColorRole::CaptionText, ColorRole::CaptionEnd, 4.5},
      {ColorRole::CaptionInactiveText, ColorRole::CaptionInactive, 4.5},
      {ColorRole::ButtonText, ColorRole::Button, 4.5},
      {ColorRole::ButtonText, ColorRole::ButtonHot, 4.5},
      {ColorRole::ButtonText, ColorRole::ButtonPressed, 4.5},
      {ColorRole::ButtonDisabledText, ColorRole::ButtonDisabled, 3.0},
      {ColorRole::EditText, ColorRole::Edit, 4.5},
      {ColorRole::ListText, ColorRole::List, 4.5},
      {ColorRole::ListHeaderText, ColorRole::ListHeader, 4.5},
      {ColorRole::SelectionText, ColorRole::Selection, 4.5},
      {ColorRole::CloseGlyph, ColorRole::CloseHot, 3.0},
  };
  for (int n = 1; n <= kBuiltinSkinCount; ++n) {
    const SkinScheme& s = schemes_[n - 1];
    for (const Pair& p : pairs) {
      EXPECT_GE(Contrast(s.color(p.text), s.color(p.background)), p.minimum)
          << "skin " << n << ": " << ColorRoleName(static_cast<int>(p.text)) << " on "
          << ColorRoleName(static_cast<int>(p.background));
    }
    // The program's self-drawn labels always write black on the window background.
    EXPECT_GE(Contrast(SkinColor{0, 0, 0}, s.color(ColorRole::Window)), 4.5) << "skin " << n;
  }
}

TEST_F(BuiltinSkins, AreVisiblyDifferentFromEachOther) {
  const ColorRole mainColors[] = {ColorRole::Window, ColorRole::Caption, ColorRole::Button,
                                  ColorRole::List, ColorRole::Selection};
  for (int a = 0; a < kBuiltinSkinCount; ++a) {
    for (int b = a + 1; b < kBuiltinSkinCount; ++b) {
      int largest = 0;
      for (ColorRole role : mainColors) {
        largest = std::max(largest, Distance(schemes_[a].color(role), schemes_[b].color(role)));
      }
      EXPECT_GE(largest, 48) << "skins " << a + 1 << " and " << b + 1 << " look alike";
    }
  }
}

TEST_F(BuiltinSkins, IncludeLightAndDarkSchemes) {
  int dark = 0;
  for (const SkinScheme& s : schemes_) {
    if (Luminance(s.color(ColorRole::List)) < 0.1) ++dark;
  }
  EXPECT_GE(dark, 5);
  EXPECT_GE(kBuiltinSkinCount - dark, 5);
}

}  // namespace
