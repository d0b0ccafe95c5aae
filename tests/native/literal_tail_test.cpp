// Which literal tail a pattern's text shows. A tail that some match does not
// end with would make the extraction stop its searches too early and lose or
// change matches, so every doubtful construct must give no tail at all.

#include <gtest/gtest.h>

#include "playlist/extraction.h"
#include "playlist/literal_tail.h"

namespace {

TEST(LiteralTailTest, IsTheRunOfPlainLiteralsAtThePatternsEnd) {
  struct {
    const char* pattern;
    const char* tail;
  } cases[] = {
      {kSongNamePattern, ",xsinger_id"},
      {kSingerNamePattern, ",xsong_url"},
      {kSongAddressPattern, "',xsong_dissid"},
      {"abc", "abc"},
      {"a(b|c)de", "de"},  // an alternation inside a group
      {"a\\|(b)c", "c"},   // an escaped bar is no alternation
      {"a{2}bc", "bc"},    // a quantifier before the run
      {"\\d+bc", "bc"},    // an escape that is not right before the run
      {"ab.c", "c"},
      {"[|(]bc", "bc"},          // bar and parenthesis inside a class
      {"[[:alpha:]|]bc", "bc"},  // a named class inside a class
      {"[\\]|]bc", "bc"},        // an escaped bracket inside a class
      {"^ab \"#%&-/:;<=>@_`~", "ab \"#%&-/:;<=>@_`~"},
  };
  for (const auto& c : cases) EXPECT_EQ(LiteralTail(c.pattern, true), c.tail) << c.pattern;
}

TEST(LiteralTailTest, IsNoneWhenAMatchCouldEndElsewhereOrLookFurther) {
  const char* const patterns[] = {
      "",
      // Another alternative, a quantifier or a group ends the match.
      "a|bc",
      "(a)|bc",
      "ab*",
      "ab+?",
      "ab{2}",
      "a(bc)",
      // Lookahead, modifiers, verbs: anything in "(?" or "(*".
      "a(?=x)bc",
      "(?i)abc",
      "(?:a|b)c",
      "(*ACCEPT)ab",
      // Anchors and boundaries, which test the bytes beside them.
      "ab$",
      "a$bc",
      "ab\\b",
      "\\bab",
      "ab\\>",
      "ab\\'",
      // An escape right before the run may take its first bytes.
      "\\x41bc",
      "\\12bc",
      "x\\(y",
      "x\\.mp3",
      // Escapes with arguments or quoting, which hide the structure.
      "\\Qa|b\\Ecd",
      "\\Q(\\Ea|bc",
      "\\c(a|b)c",
      "\\p{L}ab",
      // Classes that dialects read differently.
      "[]a]bc",
      "[a[b]c",
      // Bytes above 0x7F and control bytes.
      "ab\xC7\xE7",
      "ab\n",
      // Broken patterns.
      "a\\",
      "a)bc",
      "(abc",
  };
  for (const char* p : patterns) EXPECT_EQ(LiteralTail(p, true), "") << p;
  EXPECT_EQ(LiteralTail("abc", false), "") << "case-insensitive";
}

TEST(LiteralTailTest, CompilationStoresItOnlyForACompiledCaseSensitivePattern) {
  CompiledPattern p;
  ASSERT_TRUE(CompilePattern(p, kSongNamePattern));
  EXPECT_EQ(p.literalTail, ",xsinger_id");
  ASSERT_TRUE(CompilePattern(p, kSongNamePattern, false));
  EXPECT_EQ(p.literalTail, "");
  ASSERT_TRUE(CompilePattern(p, "abc"));
  EXPECT_FALSE(CompilePattern(p, "(abc"));
  EXPECT_EQ(p.literalTail, "");
}

}  // namespace
