// The scan that stops at the last place where a pattern's literal tail stands
// finds what a plain scan over the whole rest of the text finds, and answers
// that once froze the window on the engine's work limit now end at once.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playlist/extraction.h"

namespace {

// The scan as the engine alone gives it: each search over the whole rest of
// the text, from where the previous match ended. `limitHit` tells whether the
// engine gave up, so that a case can show it stayed within its limit.
struct PlainScan {
  std::vector<PatternMatch> matches;
  bool limitHit = false;
};

PlainScan ScanWithoutGuard(const char* pattern, const Text& text) {
  PlainScan scan;
  const boost::regex re(pattern);
  const char* const base = text.c_str();
  const char* const end = base + text.size();
  const char* start = base;
  boost::cmatch found;
  try {
    while (start != end && boost::regex_search(start, end, found, re)) {
      PatternMatch m(found.size());
      for (std::size_t k = 0; k < found.size(); ++k) {
        if (!found[k].matched) continue;
        m[k] = {static_cast<int32_t>(found[k].first - base),
                static_cast<int32_t>(found[k].length()), true};
      }
      scan.matches.push_back(m);
      if (found[0].length() == 0) break;  // none of the cases can match empty
      start = found[0].second;
    }
  } catch (const std::exception&) {
    scan.limitHit = true;
  }
  return scan;
}

std::string Spans(const std::vector<PatternMatch>& matches) {
  std::string out;
  for (const PatternMatch& m : matches) {
    out += "[";
    for (const GroupSpan& g : m) {
      out += g.tookPart ? std::to_string(g.offset) + "+" + std::to_string(g.length) : "-";
      out += " ";
    }
    out += "]";
  }
  return out;
}

std::string Repeat(const std::string& unit, std::size_t bytes) {
  std::string out;
  while (out.size() < bytes) out += unit;
  return out;
}

const std::string kRecord =
    "{xsong_name:'A',xsinger_id:1,xsinger_name:'B',xsong_url:'U',xsong_dissid:2}";

struct Case {
  const char* what;
  const char* pattern;
  std::string text;
};

TEST(SearchGuardTest, FindsWhatThePlainScanFinds) {
  const Case cases[] = {
      {"a plain answer", kSongNamePattern, "[" + kRecord + "," + kRecord + "]"},
      {"keys after the last tail", kSongNamePattern, kRecord + Repeat("xsong_name:'x'", 2000)},
      {"keys before the first tail swallow it", kSongNamePattern,
       Repeat("xsong_name:'x'", 2000) + ",xsinger_id" + kRecord},
      {"the tail is the last thing in the text", kSongAddressPattern,
       "xsong_url:'U1',xsong_dissid xsong_url:'U2',xsong_dissid"},
      {"a tail that shares its last byte with the text's end", kSingerNamePattern,
       "xsinger_name:'B',xsong_url"},
      {"a tail too short to end a match", kSongNamePattern, "xsong_name:',xsinger_id"},
      {"a text shorter than the tail", kSongNamePattern, "xsong_name:"},
      {"no tail anywhere", kSongAddressPattern, Repeat("xsong_url:'x'", 2000)},
      {"the tail without the key", kSongAddressPattern, "',xsong_dissid" + kRecord.substr(0, 20)},
      {"overlapping occurrences of the tail", "(a+)baa", "aabaaa aabaa x"},
      {"groups that did not take part", "(x)?(y)?zz", "zz xzz yzz xyzz zzz"},
      {"a zero byte hides the tail after it", kSongNamePattern,
       std::string("xsong_name:'A'\0,xsinger_id", 26)},
      {"a pattern without a tail", "a|bc", "bca abc"},
  };
  for (const Case& c : cases) {
    CompiledPattern p;
    ASSERT_TRUE(CompilePattern(p, c.pattern)) << c.what;
    const PlainScan plain = ScanWithoutGuard(c.pattern, c.text.c_str());
    ASSERT_FALSE(plain.limitHit) << c.what;
    EXPECT_EQ(Spans(SearchAll(p, c.text)), Spans(plain.matches)) << c.what;
  }
}

TEST(SearchGuardTest, WhenTheShortSearchGivesUpTheFullOneDecides) {
  // Runs of "a" before a "c" make "(a+)+" backtrack far beyond the work the
  // engine allows a search over the few bytes up to the tail "zb", but within
  // what it allows a search over the whole text with its long trailer.
  const char* const pattern = "(a+)+zb";
  const std::string head = std::string(15, 'a') + "c" + "azb";
  const std::string text = head + std::string(900, 'y');
  const boost::regex re(pattern);
  boost::cmatch found;
  EXPECT_ANY_THROW(boost::regex_search(head.c_str(), head.c_str() + head.size(), found, re));

  const PlainScan plain = ScanWithoutGuard(pattern, text);
  ASSERT_FALSE(plain.limitHit);
  ASSERT_EQ(plain.matches.size(), 1u);
  CompiledPattern p;
  ASSERT_TRUE(CompilePattern(p, pattern));
  ASSERT_EQ(p.literalTail, "zb");
  EXPECT_EQ(Spans(SearchAll(p, text)), Spans(plain.matches));
}

TEST(SearchGuardTest, HostileAnswersGiveTheRowsTheEngineGivesWithoutTheWait) {
  // Two megabytes of one key whose value never meets the key that must follow
  // it. The engine alone gives up on its limit after seconds and finds none.
  const struct {
    const char* unit;
  } keys[] = {{"xsong_name:'x'"}, {"xsinger_name:'x'"}, {"xsong_url:'x'"}};
  for (const auto& k : keys) {
    const std::string hostile = Repeat(k.unit, 2 << 20);
    EXPECT_TRUE(ExtractSongRows(hostile).empty()) << k.unit;

    // Behind a real record, the record's row stays.
    const SongRows rows = ExtractSongRows(kRecord + hostile);
    ASSERT_EQ(rows.size(), 1u) << k.unit;
    EXPECT_EQ(rows[0].Name, "A - B");
    EXPECT_EQ(rows[0].Address, "U");
  }
}

}  // namespace
