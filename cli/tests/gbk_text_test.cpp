// Which bytes are GBK characters, and what the others become.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "cli/gbk_text.h"

namespace {

struct GbkCase {
  const char* name;
  std::string gbk;
  std::string utf8;   // with U+FFFD for each replaced character
  std::string inGbk;  // with "?" for each
  std::size_t replaced;
};

void PrintTo(const GbkCase& c, std::ostream* os) {
  *os << c.name;
}

const GbkCase kCases[] = {
    {"Ascii", "a\tb\\", "a\tb\\", "a\tb\\", 0},
    {"DoubleByte", "\xD6\xD0\xCE\xC4", u8"中文", "\xD6\xD0\xCE\xC4", 0},
    {"TrailByteIsABackslash", "\xE5\x5C", u8"錦", "\xE5\x5C", 0},
    {"EuroSignOfCodePage936", "\x80", u8"€", "\x80", 0},
    {"LoneFF",
     "a\xFF"
     "b",
     u8"a\uFFFDb", "a?b", 1},
    {"LeadByteAtTheEnd", "a\xB0", u8"a\uFFFD", "a?", 1},
    // The byte after a lead byte that cannot be a trail byte is read afresh.
    {"LeadByteBeforeADigit",
     "\xB0"
     "0",
     u8"\uFFFD0", "?0", 1},
    {"LeadByteBefore7F", "\x81\x7F", u8"\uFFFD\x7F", "?\x7F", 1},
    // Codes that glibc leaves out and Windows sends to the Private Use Area:
    // one replacement for both bytes.
    {"UserDefinedArea", "\xAA\xA1\xFE\xFE", u8"\uFFFD\uFFFD", "??", 2},
    {"Unassigned", "\xA2\xAB", u8"\uFFFD", "?", 1},
};

class GbkTextTest : public ::testing::TestWithParam<GbkCase> {};

TEST_P(GbkTextTest, ReplacesWhatIsNotGbkAndCountsIt) {
  const GbkCase& c = GetParam();
  const EncodedText utf8 = EncodeGbk(c.gbk, OutputEncoding::kUtf8);
  EXPECT_EQ(utf8.text, c.utf8);
  EXPECT_EQ(utf8.replaced, c.replaced);
  const EncodedText gbk = EncodeGbk(c.gbk, OutputEncoding::kGbk);
  EXPECT_EQ(gbk.text, c.inGbk);
  EXPECT_EQ(gbk.replaced, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(Bytes, GbkTextTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GbkCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
