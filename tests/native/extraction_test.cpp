// The extraction as the song list sees it: which rows an answer gives.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "playlist/bytes_to_text.h"
#include "playlist/extraction.h"

namespace {

struct Row {
  std::string number, name, address;
  bool operator==(const Row& o) const {
    return number == o.number && name == o.name && address == o.address;
  }
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.number << " | " << r.name << " | " << r.address << "}";
}

std::vector<Row> Rows(const Text& answer) {
  std::vector<Row> rows;
  for (const SongRow& r : ExtractSongRows(answer)) rows.push_back({r.Number, r.Name, r.Address});
  return rows;
}

// A record as the service writes it, with the quote bytes as parameters.
std::string Record(const std::string& song, const std::string& singer, const std::string& url,
                   char q = '\'') {
  return "{xsong_id:1,xsong_name:" + std::string(1, q) + song + q +
         ",xsinger_id:7,xsinger_name:" + q + singer + q + ",xsong_url:'" + url +
         "',xsong_dissid:9}";
}

struct Case {
  const char* what;
  std::string answer;
  std::vector<Row> rows;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.what;
}

class ExtractSongRowsTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExtractSongRowsTest, GivesTheRows) {
  EXPECT_EQ(Rows(GetParam().answer), GetParam().rows) << GetParam().what;
}

const std::string kUrl1 = "http://stream.example/1.mp3";
const std::string kUrl2 = "http://stream.example/2.mp3";

INSTANTIATE_TEST_SUITE_P(
    Answers, ExtractSongRowsTest,
    ::testing::Values(
        Case{"apostrophes", Record("A", "B", "U"), {{"1", "A - B", "U"}}},
        Case{"double quotes around song and singer",
             Record("A", "B", "U", '"'),
             {{"1", "A - B", "U"}}},
        Case{"double-quoted address is not an address",
             "xsong_name:'A',xsinger_id:1,xsinger_name:'B',xsong_url:\"U\",xsong_dissid:2",
             {{"1", "A - B", ""}}},
        Case{"upper-case keys match nothing",
             "XSONG_NAME:'A',XSINGER_ID:1,XSINGER_NAME:'B',XSONG_URL:'U',XSONG_DISSID:2",
             {}},
        Case{"line feed inside a name stays",
             Record("A\nB", "C\r\nD", "U"),
             {{"1", "A\nB - C\r\nD", "U"}}},
        Case{"line feed as the quote byte", Record("A", "B", "U", '\n'), {{"1", "A - B", "U"}}},
        Case{"empty song name", Record("", "B", "U"), {{"1", " - B", "U"}}},
        Case{"GBK bytes pass unchanged",
             Record("\xC7\xE7\xCC\xEC", "\xD6\xDC\xBD\xDC\xC2\xD7", kUrl1),
             {{"1", "\xC7\xE7\xCC\xEC - \xD6\xDC\xBD\xDC\xC2\xD7", kUrl1}}},
        Case{"two records in text order",
             "[" + Record("A", "B", kUrl1) + "," + Record("C", "D", kUrl2) + "]",
             {{"1", "A - B", kUrl1}, {"2", "C - D", kUrl2}}},
        Case{"extra singers and addresses are ignored",
             Record("A", "B", kUrl1) + "xsinger_name:'X',xsong_url:'Y',xsong_dissid",
             {{"1", "A - B", kUrl1}}},
        Case{"a missing singer shifts later rows and leaves the last one empty",
             "xsong_name:'A',xsinger_id,xsong_url:'U1',xsong_dissid " + Record("C", "D", "U2"),
             {{"1", "A - D", "U1"}, {"2", "C - ", "U2"}}},
        Case{"a missing address leaves the last address empty",
             "xsong_name:'A',xsinger_id,xsinger_name:'B',xsong_url " + Record("C", "D", "U2"),
             {{"1", "A - B", "U2"}, {"2", "C - D", ""}}},
        Case{"a name without its key after it swallows the next record",
             "xsong_name:'A',xsinger_idX,xsinger_name:'B',xsong_url:'U1',xsong_dissid:1}"
             "{xsong_name:'A2',oops:1,xsinger_name:'B2',xsong_url:'U2',xsong_dissid:2}" +
                 Record("C", "D", "U3"),
             {{"1", "A - B", "U1"},
              {"2",
               "A2',oops:1,xsinger_name:'B2',xsong_url:'U2',xsong_dissid:2}{xsong_id:1,xsong_name:'"
               "C - B2",
               "U2"}}},
        Case{"empty answer", "", {}},
        Case{"an answer without any key", "{\"code\":-1,\"msg\":\"no such user\"}", {}},
        Case{"a zero byte before the first song hides everything",
             std::string("callback(\0", 10) + Record("A", "B", "U"),
             {}},
        Case{"a zero byte after the first song hides the rest",
             Record("A", "B", "U") + std::string("\0", 1) + Record("C", "D", "V"),
             {{"1", "A - B", "U"}}}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

TEST(BytesToTextTest, StopsAtTheFirstZeroByteWhereverItIs) {
  struct {
    Bytes bytes;
    Text text;
  } cases[] = {
      {{}, ""},
      {{'\0', 'a'}, ""},
      {{'a', 'b', '\0', 'c'}, "ab"},
      {{'a', 'b', 'c'}, "abc"},
      {{'\xB8', '\xE8', '\x5C', '\0'}, "\xB8\xE8\x5C"},
  };
  for (const auto& c : cases) EXPECT_EQ(BytesToText(c.bytes), c.text);
}

// SearchAll with patterns other than the three fixed ones.

std::vector<std::pair<int, int>> WholeSpans(const char* pattern, const Text& text) {
  CompiledPattern compiled;
  EXPECT_TRUE(CompilePattern(compiled, pattern));
  std::vector<std::pair<int, int>> spans;
  for (const PatternMatch& m : SearchAll(compiled, text))
    spans.push_back({m[0].offset, m[0].length});
  return spans;
}

TEST(SearchAllTest, EachSearchTakesItsStartForTheStartOfTheText) {
  using Spans = std::vector<std::pair<int, int>>;
  EXPECT_EQ(WholeSpans("^a", "aaa"), (Spans{{0, 1}, {1, 1}, {2, 1}}));
  EXPECT_EQ(WholeSpans("a", "xaxa"), (Spans{{1, 1}, {3, 1}}));
}

TEST(SearchAllTest, EmptyMatchesEndAtTheStartAndMoveOnElsewhere) {
  using Spans = std::vector<std::pair<int, int>>;
  EXPECT_EQ(WholeSpans("a*", "baab"), (Spans{{0, 0}}));
  EXPECT_EQ(WholeSpans("a*", "aab"), (Spans{{0, 2}, {2, 0}, {3, 0}}));
  EXPECT_EQ(WholeSpans("b|(?=a)", "baxa"), (Spans{{0, 1}, {1, 0}, {3, 0}}));
}

TEST(SearchAllTest, GroupsThatDidNotTakePartAreMarked) {
  CompiledPattern p;
  ASSERT_TRUE(CompilePattern(p, "a(b)?c|(d)"));
  const Text text = "ac_d";
  const auto matches = SearchAll(p, text);
  ASSERT_EQ(matches.size(), 2u);
  EXPECT_FALSE(matches[0][1].tookPart);
  EXPECT_FALSE(matches[0][2].tookPart);
  EXPECT_TRUE(matches[1][2].tookPart);
  EXPECT_EQ(matches[1][2].offset, 3);
  EXPECT_EQ(GroupText(matches[0], text, 1), "");
  EXPECT_EQ(GroupText(matches[1], text, 2), "d");
  EXPECT_EQ(GroupText(matches[1], text, 0), "d");
  EXPECT_EQ(GroupText(matches[1], text, 7), "");
  EXPECT_EQ(GroupText(PatternMatch(), text, 0), "");
}

TEST(SearchAllTest, CaseFoldingOnlyWhenAsked) {
  CompiledPattern sensitive, folding;
  ASSERT_TRUE(CompilePattern(sensitive, "xsong"));
  ASSERT_TRUE(CompilePattern(folding, "xsong", false));
  EXPECT_EQ(SearchAll(sensitive, "XSONG xsong").size(), 1u);
  EXPECT_EQ(SearchAll(folding, "XSONG xsong").size(), 2u);
}

TEST(SearchAllTest, APatternThatDoesNotCompileMatchesNothing) {
  CompiledPattern p;
  EXPECT_FALSE(CompilePattern(p, "xsong_name:(.*?"));
  EXPECT_TRUE(SearchAll(p, "xsong_name:abc").empty());
  EXPECT_TRUE(SearchAll(CompiledPattern(), "abc").empty());
}

TEST(SearchAllTest, DotMatchesLineBreaksAndZeroStopsTheText) {
  using Spans = std::vector<std::pair<int, int>>;
  EXPECT_EQ(WholeSpans("a.b", "a\nb a\rb"), (Spans{{0, 3}, {4, 3}}));
  EXPECT_EQ(WholeSpans("a", std::string("a\0a", 3)), (Spans{{0, 1}}));
}

TEST(SearchAllTest, AnEngineLimitEndsTheScanAndKeepsEarlierMatches) {
  // The alternative with nested repeats makes the engine give up on the x's.
  const Text text = "ab ab " + std::string(40, 'x');
  CompiledPattern p;
  ASSERT_TRUE(CompilePattern(p, "ab|(x+x+)+y"));
  const auto matches = SearchAll(p, text);
  ASSERT_EQ(matches.size(), 2u);
  EXPECT_EQ(matches[1][0].offset, 3);
}

}  // namespace
