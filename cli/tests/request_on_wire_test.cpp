// The request libcurl puts on the wire, byte for byte: it must be the one the
// window's WinINet fetch sends (the cross build compares the two directly).

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "qzplaylist_process.h"
#include "raw_http_server.h"

namespace {

const char kOneSong[] =
    "jsonCallback({code:0,data:{songlist:[{xsong_name:'a',xsinger_id:1,xsinger_name:'b',"
    "xsong_url:'http://x/1.mp3',xsong_dissid:1}]}})";

std::string RequestHead(const std::string& target, const std::string& host) {
  return "GET " + target +
         " HTTP/1.0\r\n"
         "Host: " +
         host +
         "\r\n"
         "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
         "Accept: */*\r\n"
         "\r\n";
}

struct WireCase {
  const char* name;
  const char* number;  // GBK bytes, as the window's edit box holds them
  const char* target;
};

void PrintTo(const WireCase& c, std::ostream* os) {
  *os << c.name;
}

// WinINet escapes blanks in the target and nothing else; GBK bytes and "%"
// go out as they stand, and nothing from "#" on is sent.
const WireCase kWireCases[] = {
    {"PlainNumber", "12345678", "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=12345678&g_tk=524196017"},
    {"BlanksAndGbkBytes", " 12 中文|^%41",
     "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=%2012%20\xD6\xD0\xCE\xC4|^%41&g_tk=524196017"},
    {"HashCutsTheTarget", "12#34", "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=12"},
};

class RequestOnWireTest : public ::testing::TestWithParam<WireCase> {};

TEST_P(RequestOnWireTest, IsTheWindowToolsRequest) {
  RawHttpServer server(RawHttpServer::Answer(200, kOneSong));
  const ProgramRun run = RunQzPlaylist({GetParam().number, "--host", server.host()});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0], RequestHead(GetParam().target, server.host()));
}

INSTANTIATE_TEST_SUITE_P(Numbers, RequestOnWireTest, ::testing::ValuesIn(kWireCases),
                         [](const ::testing::TestParamInfo<WireCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(RequestTest, FollowsARedirectToThePlaylist) {
  RawHttpServer server([](int client, const std::string& head) {
    if (head.compare(0, 12, "GET /moved/ ") == 0) {
      RawHttpServer::Answer(200, kOneSong)(client, head);
    } else {
      RawHttpServer::SendAll(client, "HTTP/1.0 302 Found\r\nLocation: /moved/\r\n\r\n");
    }
  });
  const ProgramRun run = RunQzPlaylist({"1", "--host", server.host()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1\ta - b\thttp://x/1.mp3\n");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1], RequestHead("/moved/", server.host()));
}

// The environment's proxy is used: the request goes to it in absolute form.
TEST(RequestTest, GoesThroughTheProxyOfTheEnvironment) {
  RawHttpServer proxy(RawHttpServer::Answer(200, kOneSong));
  const ProgramRun run =
      RunQzPlaylist({"1", "--host", "playlist.example"}, {"http_proxy=http://" + proxy.host()});
  EXPECT_EQ(run.status, 0) << run.err;
  const auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
            "GET http://playlist.example/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=1&g_tk=524196017 "
            "HTTP/1.0");
}

}  // namespace
