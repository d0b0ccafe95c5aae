// FetchUrl against real sockets on 127.0.0.1, through the real WinINet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playlist/fetch_url.h"
#include "playlist/wininet_api_win.h"
#include "raw_http_server_win.h"

namespace {

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Counts the calls that open and close handles and the sizes asked of reads.
struct Calls {
  int opens = 0, connects = 0, requests = 0, closes = 0;
  std::vector<DWORD> readSizes;
};
Calls g_calls;

HINTERNET WINAPI CountingOpen(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass, DWORD flags) {
  ++g_calls.opens;
  return RealWinInetApi().Open(agent, access, proxy, bypass, flags);
}
HINTERNET WINAPI CountingConnect(HINTERNET s, LPCSTR host, INTERNET_PORT port, LPCSTR user,
                                 LPCSTR password, DWORD service, DWORD flags, DWORD_PTR context) {
  ++g_calls.connects;
  return RealWinInetApi().Connect(s, host, port, user, password, service, flags, context);
}
HINTERNET WINAPI CountingOpenRequest(HINTERNET c, LPCSTR verb, LPCSTR path, LPCSTR version,
                                     LPCSTR referrer, LPCSTR* accept, DWORD flags, DWORD_PTR ctx) {
  ++g_calls.requests;
  return RealWinInetApi().OpenRequest(c, verb, path, version, referrer, accept, flags, ctx);
}
BOOL WINAPI CountingClose(HINTERNET handle) {
  ++g_calls.closes;
  return RealWinInetApi().CloseHandle(handle);
}
BOOL WINAPI RecordingRead(HINTERNET request, LPVOID buffer, DWORD size, LPDWORD read) {
  g_calls.readSizes.push_back(size);
  return RealWinInetApi().ReadFile(request, buffer, size, read);
}

class FetchUrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseInternetSession();
    g_calls = Calls();
    WinInetApi& api = ActiveWinInetApi();
    api.Open = CountingOpen;
    api.Connect = CountingConnect;
    api.OpenRequest = CountingOpenRequest;
    api.CloseHandle = CountingClose;
    api.ReadFile = RecordingRead;
  }
  void TearDown() override {
    CloseInternetSession();
    ActiveWinInetApi() = RealWinInetApi();
  }
};

std::vector<std::string> HeadLines(const std::string& head) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = head.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(head.substr(start, end - start));
  }
  return lines;
}

TEST_F(FetchUrlTest, SendsThePlaylistQueryAsTheFixedRequest) {
  RawHttpServer server(RawHttpServer::Answer(200, "callback({})"));
  const std::string target = "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=123&g_tk=524196017";
  EXPECT_EQ(AsString(FetchUrl(server.Address(target))), "callback({})");

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const auto lines = HeadLines(requests[0]);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "GET " + target + " HTTP/1.0");
  const std::vector<std::string> headers(lines.begin() + 1, lines.end());
  const std::vector<std::string> expected = {
      "Accept: */*",
      "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
      "Host: 127.0.0.1:" + std::to_string(server.port()),
  };
  for (const auto& header : expected) {
    EXPECT_EQ(std::count(headers.begin(), headers.end(), header), 1) << header << "\n" << requests[0];
  }
  EXPECT_EQ(headers.back(), "") << "the head ends with one empty line";
  for (const auto& header : headers) {
    EXPECT_EQ(header.find("Keep-Alive"), std::string::npos) << header;
    EXPECT_EQ(header.find("Referer"), std::string::npos) << header;
  }
}

TEST_F(FetchUrlTest, ReturnsTheBodyOfAnErrorAnswer) {
  const std::string html = "<html><body><h1>404 Not Found</h1></body></html>";
  RawHttpServer server(RawHttpServer::Answer(404, html));
  EXPECT_EQ(AsString(FetchUrl(server.Address("/missing"))), html);
}

TEST_F(FetchUrlTest, KeepsThePartReceivedWhenTheConnectionDrops) {
  const std::string part(3000, 'p');
  RawHttpServer server([&](SOCKET client, const std::string&) {
    RawHttpServer::SendAll(client, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" + part);
  });
  EXPECT_EQ(AsString(FetchUrl(server.Address("/drop"))), part);
}

TEST_F(FetchUrlTest, ReadsABodyWithoutLengthToTheEnd) {
  std::string body;
  for (int i = 0; i < 5000; ++i) body += "line " + std::to_string(i) + "\n";
  RawHttpServer server(RawHttpServer::Answer(200, body, false));
  EXPECT_EQ(AsString(FetchUrl(server.Address("/long"))), body);
  ASSERT_FALSE(g_calls.readSizes.empty());
  EXPECT_EQ(g_calls.readSizes[0], 10240u);
}

TEST_F(FetchUrlTest, SendsNothingFromTheFirstHashOn) {
  RawHttpServer server(RawHttpServer::Answer(200, "x"));
  FetchUrl(server.Address("/fcg?json=1&uin=12#34&g_tk=524196017"));
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(HeadLines(requests[0])[0], "GET /fcg?json=1&uin=12 HTTP/1.0");
}

TEST_F(FetchUrlTest, EncodesNothingOfTheTarget) {
  RawHttpServer server(RawHttpServer::Answer(200, "x"));
  FetchUrl(server.Address("/fcg?uin=%41\xD6\xD0\xCE\xC4\xB8\xE8|^&g_tk=1"));
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(HeadLines(requests[0])[0], "GET /fcg?uin=%41\xD6\xD0\xCE\xC4\xB8\xE8|^&g_tk=1 HTTP/1.0");
}

TEST_F(FetchUrlTest, AnEmptyAddressOpensNothing) {
  EXPECT_TRUE(FetchUrl("").empty());
  EXPECT_EQ(g_calls.opens, 0);
  EXPECT_EQ(g_calls.connects, 0);
}

TEST_F(FetchUrlTest, TwoFetchesOpenTheSessionOnceAndConnectTwice) {
  RawHttpServer server(RawHttpServer::Answer(200, "body"));
  EXPECT_EQ(AsString(FetchUrl(server.Address("/a"))), "body");
  EXPECT_EQ(AsString(FetchUrl(server.Address("/b"))), "body");
  EXPECT_EQ(g_calls.opens, 1);
  EXPECT_EQ(g_calls.connects, 2);
  EXPECT_EQ(g_calls.requests, 2);
  EXPECT_EQ(g_calls.closes, 4) << "each fetch closes its request and its connection";
  EXPECT_EQ(server.Connections(), 2);
}

TEST_F(FetchUrlTest, AFailedConnectionGivesNothingAndClosesWhatWasOpened) {
  unsigned short port;
  {
    RawHttpServer closed(RawHttpServer::Answer(200, "x"));
    port = closed.port();
  }
  EXPECT_TRUE(FetchUrl("http://127.0.0.1:" + std::to_string(port) + "/x").empty());
  EXPECT_EQ(g_calls.closes, g_calls.connects + g_calls.requests);
}

TEST_F(FetchUrlTest, AddressesThatCannotBeSplitGiveNothing) {
  const std::string longHost = "http://" + std::string(300, 'h') + ".example/x";
  for (const std::string& address : {std::string("not an address"), longHost}) {
    EXPECT_TRUE(FetchUrl(address).empty()) << address;
  }
  EXPECT_EQ(g_calls.connects, 0);
}

TEST_F(FetchUrlTest, ReadsInPiecesSizedFromTheContentLength) {
  struct {
    const char* header;  // the Content-Length line, or none
    DWORD piece;
  } cases[] = {
      {"Content-Length: 5", 6},          {"Content-Length: 102399", 102400},
      {"Content-Length: 102400", 102400}, {"Content-Length: 200000", 102400},
      {"Content-Length: 0", 10240},      {"Content-Length: -5", 10240},
      {"Content-Length: abc", 10240},    {nullptr, 10240},
  };
  for (const auto& c : cases) {
    g_calls.readSizes.clear();
    RawHttpServer server([&](SOCKET client, const std::string&) {
      std::string head = "HTTP/1.0 200 OK\r\n";
      if (c.header) head += std::string(c.header) + "\r\n";
      RawHttpServer::SendAll(client, head + "\r\nhello");
    });
    FetchUrl(server.Address("/piece"));
    ASSERT_FALSE(g_calls.readSizes.empty()) << (c.header ? c.header : "no length");
    EXPECT_EQ(g_calls.readSizes[0], c.piece) << (c.header ? c.header : "no length");
  }
}

}  // namespace
