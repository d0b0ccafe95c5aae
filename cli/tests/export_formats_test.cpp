// The three formats in both encodings, against the real sample service.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "qzplaylist_process.h"

namespace {

// The expected outputs in UTF-8. The GBK output must be the same text in GBK,
// with "?" where UTF-8 has U+FFFD.
struct FormatCase {
  const char* name;
  const char* number;
  const char* format;
  std::string utf8;
  int replaced;  // characters of the answer that are not valid GBK
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

const char kReplacement[] = u8"\uFFFD";

std::string WithQuestionMarks(std::string text) {
  const std::string replacement = kReplacement;
  for (std::size_t at; (at = text.find(replacement)) != std::string::npos;)
    text.replace(at, replacement.size(), "?");
  return text;
}

const FormatCase kCases[] = {
    {"ThreeSongsAsTsv", "12345678", "tsv",
     u8"1\t晴天 - 周杰伦\thttp://stream3.music.example.com/102065756.mp3\n"
     u8"2\t后来 - 刘若英\thttp://stream7.music.example.com/3101369814.wma\n"
     u8"3\t童话 - 光良\thttp://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46\n",
     0},
    {"ThreeSongsAsM3u", "12345678", "m3u",
     u8"#EXTM3U\n"
     u8"#EXTINF:-1,晴天 - 周杰伦\nhttp://stream3.music.example.com/102065756.mp3\n"
     u8"#EXTINF:-1,后来 - 刘若英\nhttp://stream7.music.example.com/3101369814.wma\n"
     u8"#EXTINF:-1,童话 - 光良\nhttp://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46\n",
     0},
    {"ThreeSongsAsJson", "12345678", "json",
     u8R"json([
  {"number": 1, "name": "晴天 - 周杰伦", "singer": "周杰伦", "song": "晴天", "address": "http://stream3.music.example.com/102065756.mp3"},
  {"number": 2, "name": "后来 - 刘若英", "singer": "刘若英", "song": "后来", "address": "http://stream7.music.example.com/3101369814.wma"},
  {"number": 3, "name": "童话 - 光良", "singer": "光良", "song": "童话", "address": "http://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46"}
]
)json",
     0},
    // Tabs, line breaks and backslashes escaped; 錦 (E5 5C) is one character,
    // its trail byte no backslash; the two bytes that are not GBK replaced.
    {"AwkwardBytesAsTsv", "99999999", "tsv",
     u8"1\t夜曲\\t(现场版) - 周杰伦\thttp://stream1.music.example.com/200000001.mp3\n"
     u8"2\tC:\\\\音乐\\\\晴天\\\\ - 周杰伦\thttp://stream2.music.example.com/200000002.mp3\n"
     u8"3\t他说\"你好\" - 陶喆\thttp://stream3.music.example.com/3200000003.wma\n"
     u8"4\t第一行\\n第二行 - 换行\\r\\n乐队\thttp://stream4.music.example.com/200000004.mp3\n"
     u8"5\t坏字节\uFFFD在中间 - 结尾半个字\uFFFD\thttp://stream5.music.example.com/3200000005.wma\n"
     u8"6\t錦鯉抄 - 銀臨\thttp://ws.stream.music.example.com/C4000200000006.m4a?fromtag=46\n"
     u8"7\tDon't Cry - Guns N' Roses\thttp://ws.stream.music.example.com/"
     u8"C4000200000007.m4a?vkey=9F3A&guid=1234567890&fromtag=46\n"
     u8"8\t无名歌手的歌 - \thttp://stream8.music.example.com/200000008.mp3\n",
     2},
    // Each entry keeps its two lines: line breaks in a title become blanks.
    {"AwkwardBytesAsM3u", "99999999", "m3u",
     u8"#EXTM3U\n"
     u8"#EXTINF:-1,夜曲\t(现场版) - 周杰伦\nhttp://stream1.music.example.com/200000001.mp3\n"
     u8"#EXTINF:-1,C:\\音乐\\晴天\\ - 周杰伦\nhttp://stream2.music.example.com/200000002.mp3\n"
     u8"#EXTINF:-1,他说\"你好\" - 陶喆\nhttp://stream3.music.example.com/3200000003.wma\n"
     u8"#EXTINF:-1,第一行 第二行 - 换行  乐队\nhttp://stream4.music.example.com/200000004.mp3\n"
     u8"#EXTINF:-1,坏字节\uFFFD在中间 - 结尾半个字\uFFFD\n"
     u8"http://stream5.music.example.com/3200000005.wma\n"
     u8"#EXTINF:-1,錦鯉抄 - "
     u8"銀臨\nhttp://ws.stream.music.example.com/C4000200000006.m4a?fromtag=46\n"
     u8"#EXTINF:-1,Don't Cry - Guns N' Roses\nhttp://ws.stream.music.example.com/"
     u8"C4000200000007.m4a?vkey=9F3A&guid=1234567890&fromtag=46\n"
     u8"#EXTINF:-1,无名歌手的歌 - \nhttp://stream8.music.example.com/200000008.mp3\n",
     2},
    {"AwkwardBytesAsJson", "99999999", "json",
     u8R"json([
  {"number": 1, "name": "夜曲\t(现场版) - 周杰伦", "singer": "周杰伦", "song": "夜曲\t(现场版)", "address": "http://stream1.music.example.com/200000001.mp3"},
  {"number": 2, "name": "C:\\音乐\\晴天\\ - 周杰伦", "singer": "周杰伦", "song": "C:\\音乐\\晴天\\", "address": "http://stream2.music.example.com/200000002.mp3"},
  {"number": 3, "name": "他说\"你好\" - 陶喆", "singer": "陶喆", "song": "他说\"你好\"", "address": "http://stream3.music.example.com/3200000003.wma"},
  {"number": 4, "name": "第一行\n第二行 - 换行\r\n乐队", "singer": "换行\r\n乐队", "song": "第一行\n第二行", "address": "http://stream4.music.example.com/200000004.mp3"},
  {"number": 5, "name": "坏字节�在中间 - 结尾半个字�", "singer": "结尾半个字�", "song": "坏字节�在中间", "address": "http://stream5.music.example.com/3200000005.wma"},
  {"number": 6, "name": "錦鯉抄 - 銀臨", "singer": "銀臨", "song": "錦鯉抄", "address": "http://ws.stream.music.example.com/C4000200000006.m4a?fromtag=46"},
  {"number": 7, "name": "Don't Cry - Guns N' Roses", "singer": "Guns N' Roses", "song": "Don't Cry", "address": "http://ws.stream.music.example.com/C4000200000007.m4a?vkey=9F3A&guid=1234567890&fromtag=46"},
  {"number": 8, "name": "无名歌手的歌 - ", "singer": "", "song": "无名歌手的歌", "address": "http://stream8.music.example.com/200000008.mp3"}
]
)json",
     2},
};

class ExportFormatTest : public ::testing::TestWithParam<FormatCase> {
 protected:
  void SetUp() override { ASSERT_FALSE(SampleServiceHost().empty()) << "sample service"; }
};

TEST_P(ExportFormatTest, WritesTheRowsInUtf8AndInGbk) {
  const FormatCase& c = GetParam();
  const struct {
    const char* encoding;
    std::string expected;
    std::string replacedNote;
  } encodings[] = {
      {"utf-8", c.utf8,
       std::to_string(c.replaced) + " characters that are not valid GBK replaced by U+FFFD"},
      {"gbk", Utf8ToGbk(WithQuestionMarks(c.utf8)),
       std::to_string(c.replaced) + " characters that are not valid GBK replaced by '?'"},
  };
  for (const auto& e : encodings) {
    SCOPED_TRACE(e.encoding);
    const ProgramRun run = RunQzPlaylist(
        {c.number, "--host", SampleServiceHost(), "--format", c.format, "--encoding", e.encoding});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, e.expected);
    if (c.replaced > 0) {
      EXPECT_NE(run.err.find(e.replacedNote), std::string::npos) << run.err;
    } else {
      EXPECT_EQ(run.err.find("not valid GBK"), std::string::npos) << run.err;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SampleService, ExportFormatTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ExportTest, TheDefaultIsTsvInUtf8OnLinux) {
  ASSERT_FALSE(SampleServiceHost().empty());
  const ProgramRun run = RunQzPlaylist({"12345678", "--host", SampleServiceHost()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kCases[0].utf8);
}

TEST(ExportTest, WritesEveryOneOfFiftySongsInOrder) {
  ASSERT_FALSE(SampleServiceHost().empty());
  const ProgramRun run = RunQzPlaylist({"87654321", "--host", SampleServiceHost()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 50);
  const std::string first =
      u8"1\t七里香 - 周杰伦\thttp://stream1.music.example.com/102072919.mp3\n";
  EXPECT_EQ(run.out.substr(0, first.size()), first);
  EXPECT_NE(
      run.out.find(u8"\n50\t明天会更好 - 群星\thttp://stream2.music.example.com/3102460950.wma\n"),
      std::string::npos);
  EXPECT_NE(run.err.find("50 songs written"), std::string::npos) << run.err;
}

// The file gets exactly what standard output would, replaces an earlier one,
// and no temporary file stays beside it.
TEST(ExportTest, AnOutputFileGetsTheWholeExportAndNothingStaysBeside) {
  ASSERT_FALSE(SampleServiceHost().empty());
  TemporaryDirectory dir;
  const std::string file = dir.File("list.m3u");
  WriteWholeFile(file, "an earlier export\n");
  const ProgramRun run =
      RunQzPlaylist({"12345678", "--host", SampleServiceHost(), "-f", "m3u", "-o", file});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadWholeFile(file), kCases[1].utf8);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"list.m3u"});
  EXPECT_NE(run.err.find("3 songs written to " + file), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(u8"已将 3 首歌曲写入 " + file), std::string::npos) << run.err;
}

}  // namespace
