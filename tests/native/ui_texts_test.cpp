// The texts and addresses of the copy, the tips window and the links.

#include <gtest/gtest.h>

#include <cstring>

#include "ui/outbound_links.h"
#include "ui/song_address_text.h"
#include "ui/usage_text.h"

TEST(SongAddressTextTest, IsTwoLabelledLinesWithoutABreakAtTheEnd) {
  EXPECT_EQ(SongAddressText("晴天 - 周杰伦", "http://x/1.mp3"),
            "歌曲名：晴天 - 周杰伦\r\n试听地址：http://x/1.mp3");
  EXPECT_EQ(SongAddressText("", ""), "歌曲名：\r\n试听地址：");
  // GBK: "歌曲名：" is eight bytes ending in the full-width colon A3BA.
  EXPECT_EQ(SongAddressText("", "").substr(0, 8), "\xB8\xE8\xC7\xFA\xC3\xFB\xA3\xBA");
}

TEST(OutboundLinksTest, ContactPageCarriesItsFourKeysInOrder) {
  const Text address = ContactPageAddress();
  const Text prefix = "http://wpa.qq.com/msgrd?v=3&uin=";
  const Text suffix = "&site=qq&menu=yes";
  ASSERT_EQ(address.compare(0, prefix.size(), prefix), 0) << address;
  ASSERT_GT(address.size(), prefix.size() + suffix.size());
  EXPECT_EQ(address.substr(address.size() - suffix.size()), suffix);
  const Text number = address.substr(prefix.size(), address.size() - prefix.size() - suffix.size());
  EXPECT_EQ(number.find_first_not_of("0123456789"), Text::npos) << number;
}

TEST(OutboundLinksTest, HomePageIsABareWebHostName) {
  const Text home = HomePageAddress();
  EXPECT_EQ(home.compare(0, 4, "www."), 0) << home;
  EXPECT_EQ(home.find_first_of(":/?#"), Text::npos) << home;
}

TEST(UsageTextTest, IsSevenLinesWithEmptyLinesBetweenIn298Bytes) {
  const Text text = kUsageText;
  EXPECT_EQ(std::strlen(kUsageText), 298u);
  int lines = 0;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != Text::npos; start = end + 2) {
    const bool empty = end == start;
    EXPECT_EQ(empty, lines % 2 == 1) << "line " << lines;
    ++lines;
  }
  EXPECT_EQ(lines, 13) << "seven lines and six empty ones";
  EXPECT_EQ(start, text.size()) << "the last line ends with its line break";
  EXPECT_EQ(text.substr(0, 14), "软件使用方法：");
}
