#include <gtest/gtest.h>

#include "playlist/piece_size.h"

TEST(PieceSizeTest, FollowsTheAnnouncedContentLength) {
  struct {
    const char* header;
    uint32_t piece;
  } cases[] = {
      {"5", 6},          {"102399", 102400},  {"102400", 102400}, {"200000", 102400},
      {"1", 2},          {"0", 10240},        {"-5", 10240},      {"abc", 10240},
      {"", 10240},       {nullptr, 10240},    {"  \t42", 43},     {"+7", 8},
      {"12abc", 13},     {"99999999999999999999999", 102400},     {"-99999999999999999999", 10240},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PieceSizeForContentLength(c.header), c.piece) << (c.header ? c.header : "(none)");
  }
}

TEST(PieceSizeTest, DecimalPrefixStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(ParseDecimalPrefix(" \n-12x3"), -12);
  EXPECT_EQ(ParseDecimalPrefix("- 5"), 0);
  EXPECT_EQ(ParseDecimalPrefix("007"), 7);
}
