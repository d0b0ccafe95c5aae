// The readable skin source and the skinc tool that compiles it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "skinengine/format/skin_binary.h"
#include "skinengine/format/skin_source.h"
#include "skinengine/format/tests/sample_source.h"

namespace {

struct BadSourceCase {
  const char* what;
  Text source;
  const char* messagePart;
};

TEST(SkinSource, RejectsBadSourcesWithTheLineAndTheReason) {
  const BadSourceCase cases[] = {
      {"no name", SampleSourceWith("name", ""), "no name"},
      {"missing colour", SampleSourceWith("list_grid", ""), "missing colour list_grid"},
      {"missing metric", SampleSourceWith("border_width", ""), "missing metric border_width"},
      {"short colour", SampleSourceWith("window", "window = #FFF"), "line 5: colour window"},
      {"not hex", SampleSourceWith("window", "window = #GG0000"), "line 5: colour window"},
      {"unknown colour", SampleSourceWith("window", "windw = #FFFFFF"), "unknown colour windw"},
      {"metric out of range", SampleSourceWith("button_radius", "button_radius = 11"),
       "from 0 to 10"},
      {"metric not a number", SampleSourceWith("button_gloss", "button_gloss = lots"),
       "button_gloss"},
      {"no equals sign", SampleSourceWith("frame", "frame #204060"), "expected key = value"},
      {"unknown section", SampleSource() + "[fonts]\n", "unknown section [fonts]"},
      {"colour twice", SampleSource() + "[colors]\nwindow = #000000\n", "given twice"},
      {"name too long", SampleSourceWith("name", "name = " + Text(65, 'x')), "1 to 64 bytes"},
  };
  for (const BadSourceCase& c : cases) {
    const SkinSource parsed = ParseSkinSource(c.source);
    EXPECT_FALSE(parsed.ok) << c.what;
    EXPECT_NE(parsed.error.find(c.messagePart), Text::npos)
        << c.what << ": message was '" << parsed.error << "'";
  }
}

TEST(SkinSource, ReadsCommentsBlankLinesCrLfAndAPassword) {
  Text source = "\r\n# comment\r\n   password = open sesame  \r\n" + SampleSource();
  const SkinSource parsed = ParseSkinSource(source);
  ASSERT_TRUE(parsed.ok) << parsed.error;
  EXPECT_EQ(parsed.password, "open sesame");
  EXPECT_EQ(parsed.scheme.color(ColorRole::Frame), (SkinColor{0x20, 0x40, 0x60}));
}

Text TempPath(const char* name) {
  return Text(SKIN_TEST_TEMP_DIR) + "/" + name;
}

void WriteText(const Text& path, const Text& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

int RunSkinc(const Text& source, const Text& output) {
  const Text command =
      Text("\"") + SKINC_PATH + "\" \"" + source + "\" \"" + output + "\" 2>/dev/null";
  return std::system(command.c_str());
}

TEST(Skinc, CompilesAGoodSourceIntoAParsableSkin) {
  const Text source = TempPath("skinc_good.txt");
  const Text output = TempPath("skinc_good.she");
  WriteText(source, "password = pw\n" + SampleSource());
  std::remove(output.c_str());
  ASSERT_EQ(RunSkinc(source, output), 0);
  std::ifstream in(output, std::ios::binary);
  const Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
  EXPECT_EQ(ParseSkin(bytes, data.size(), "pw").error, SkinError::None);
  EXPECT_EQ(ParseSkin(bytes, data.size(), "").error, SkinError::WrongPassword);
}

TEST(Skinc, RefusesABadSourceWithNonzeroExitAndNoOutput) {
  const Text source = TempPath("skinc_bad.txt");
  const Text output = TempPath("skinc_bad.she");
  WriteText(source, SampleSourceWith("caption", "caption = blue"));
  std::remove(output.c_str());
  EXPECT_NE(RunSkinc(source, output), 0);
  EXPECT_FALSE(std::ifstream(output).good());
  EXPECT_NE(RunSkinc(TempPath("no_such_source.txt"), output), 0);
}

}  // namespace
