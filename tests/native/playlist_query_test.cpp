#include <gtest/gtest.h>

#include "playlist/playlist_query.h"

TEST(PlaylistQueryTest, PutsTheNumberInUnchanged) {
  struct {
    const char* qq;
    const char* query;
  } cases[] = {
      {"12345", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=12345&g_tk=524196017"},
      {"", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=&g_tk=524196017"},
      {" 12 ", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin= 12 &g_tk=524196017"},
      {"1&x=2", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=1&x=2&g_tk=524196017"},
      {"1#2%20", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=1#2%20&g_tk=524196017"},
      {"\xD6\xD0", "http://h/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=\xD6\xD0&g_tk=524196017"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlaylistQueryForHost("h", c.qq), c.query);
}

TEST(PlaylistQueryTest, UsesTheBuildsHost) {
  EXPECT_EQ(PlaylistQuery("1"), PlaylistQueryForHost(kPlaylistHost, "1"));
  EXPECT_NE(kPlaylistHost[0], '\0');
}
