// The sample playlist service, run as a real process on a free port and asked
// over real sockets. Its answers go through the program's own extraction, so
// these tests hold what the program will show for each sample number.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cctype>
#include <string>
#include <vector>

#include "playlist/extraction.h"
#include "raw_http.h"
#include "service_process.h"

namespace {

const char kProgram[] = QZ_SAMPLE_SERVICE_PROGRAM;

// A test name made of the case's own words: gtest allows letters, digits, '_'.
std::string NameOf(const std::string& words) {
  std::string name = words.empty() ? "empty" : words;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

std::string Query(const std::string& uin) {
  return "json=1&uin=" + uin + "&g_tk=524196017";
}

class SampleServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    port = StartOnFreePort(service, kProgram, line);
    ASSERT_GT(port, 0) << "listening line: " << line;
  }

  HttpReply Ask(const std::string& uin) { return Exchange(port, PlaylistRequest(Query(uin))); }

  ServiceProcess service;
  std::string line;
  int port = 0;
};

TEST_F(SampleServiceTest, PrintsExactlyTheListeningLineWithTheRealPort) {
  EXPECT_EQ(line, "listening on http://127.0.0.1:" + std::to_string(port));
  EXPECT_NE(port, 18080);  // port 0 asks for a free one, not the default
}

struct PlaylistCase {
  const char* uin;
  size_t rows;
  const char* firstName;
  const char* lastName;
  const char* code;  // the answer's error code: 0 with a playlist
};

class PlaylistAnswerTest : public SampleServiceTest,
                           public ::testing::WithParamInterface<PlaylistCase> {};

TEST_P(PlaylistAnswerTest, GivesTheRowsTheProgramShows) {
  const PlaylistCase& c = GetParam();
  const HttpReply reply = Ask(c.uin);
  ASSERT_EQ(reply.status, 200) << reply.head;
  EXPECT_NE(reply.head.find("\r\nContent-Type: application/x-javascript; charset=GBK"),
            std::string::npos)
      << reply.head;
  EXPECT_EQ(reply.body.rfind("jsonCallback({code:" + std::string(c.code) + ",", 0), 0u)
      << reply.body;
  EXPECT_EQ(reply.body.back(), ')');

  const SongRows rows = ExtractSongRows(reply.body);
  ASSERT_EQ(rows.size(), c.rows);
  if (rows.empty()) return;
  EXPECT_EQ(rows.front().Name, c.firstName);
  EXPECT_EQ(rows.back().Name, c.lastName);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Number, std::to_string(i + 1));
    // A stray quote or key would pair a name with the wrong address or run an
    // address across records; each must be one stream address of its own.
    const std::string& address = rows[i].Address;
    EXPECT_EQ(address.rfind("http://", 0), 0u) << address;
    EXPECT_EQ(address.find("http://", 1), std::string::npos) << address;
    EXPECT_TRUE(address.find(".mp3") != std::string::npos ||
                address.find(".wma") != std::string::npos ||
                address.find(".m4a") != std::string::npos)
        << address;
  }
}

INSTANTIATE_TEST_SUITE_P(
    SampleNumbers, PlaylistAnswerTest,
    ::testing::Values(PlaylistCase{"12345678", 3, "晴天 - 周杰伦", "童话 - 光良", "0"},
                      PlaylistCase{"87654321", 50, "七里香 - 周杰伦", "明天会更好 - 群星", "0"},
                      PlaylistCase{"99999999", 8, "夜曲\t(现场版) - 周杰伦", "无名歌手的歌 - ",
                                   "0"},
                      PlaylistCase{"20000000", 0, "", "", "0"},
                      // Numbers are taken exactly as sent: no trimming, no decoding.
                      PlaylistCase{"10001", 0, "", "", "-1"},
                      PlaylistCase{"012345678", 0, "", "", "-1"}, PlaylistCase{"", 0, "", "", "-2"},
                      PlaylistCase{"abc", 0, "", "", "-2"},
                      PlaylistCase{"%31%32%33%34%35%36%37%38", 0, "", "", "-2"},
                      PlaylistCase{"12345678+", 0, "", "", "-2"}),
    [](const auto& info) { return "uin_" + NameOf(info.param.uin); });

TEST_F(SampleServiceTest, SendsGbkBytes) {
  const SongRows rows = ExtractSongRows(Ask("12345678").body);
  ASSERT_FALSE(rows.empty());
  // 晴天 - 周杰伦, spelled out so the check does not hang on the compiler's charset.
  EXPECT_EQ(rows[0].Name, "\xC7\xE7\xCC\xEC - \xD6\xDC\xBD\xDC\xC2\xD7");
}

TEST_F(SampleServiceTest, TrickyNamesArriveByteForByte) {
  const SongRows rows = ExtractSongRows(Ask("99999999").body);
  const std::vector<std::string> expected = {
      "夜曲\t(现场版) - 周杰伦",
      "C:\\音乐\\晴天\\ - 周杰伦",
      "他说\"你好\" - 陶喆",
      "第一行\n第二行 - 换行\r\n乐队",
      "坏字节\xFF"
      "在中间 - 结尾半个字\xB0",
      "\xE5\x5C\xF5\x8E\xB3\xAD - \xE3\x79\xC5\x52",  // 錦鯉抄 - 銀臨: 錦 ends in a backslash byte
      "Don't Cry - Guns N' Roses",
      "无名歌手的歌 - ",
  };
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].Name, expected[i]) << "row " << i + 1;
  EXPECT_EQ(rows[6].Address,
            "http://ws.stream.music.example.com/C4000200000007.m4a?vkey=9F3A&guid=1234567890"
            "&fromtag=46");
}

// The answer depends on uin alone: the token, the other keys and their order
// do not matter, and the first uin counts.
struct VariantCase {
  const char* what;
  const char* query;
};

class QueryVariantTest : public SampleServiceTest,
                         public ::testing::WithParamInterface<VariantCase> {};

TEST_P(QueryVariantTest, GivesTheSameAnswer) {
  const HttpReply plain = Ask("12345678");
  const HttpReply variant = Exchange(port, PlaylistRequest(GetParam().query));
  ASSERT_EQ(variant.status, 200);
  EXPECT_EQ(variant.body, plain.body);
  EXPECT_EQ(ExtractSongRows(variant.body).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, QueryVariantTest,
    ::testing::Values(VariantCase{"other token", "json=1&uin=12345678&g_tk=1"},
                      VariantCase{"uin alone", "uin=12345678"},
                      VariantCase{"keys reordered", "g_tk=524196017&uin=12345678&json=0"},
                      VariantCase{"extra keys", "json=1&uin=12345678&g_tk=524196017&from=t&x"},
                      VariantCase{"first uin counts", "json=1&uin=12345678&uin=87654321"}),
    [](const auto& info) { return NameOf(info.param.what); });

struct BadRequestCase {
  const char* what;
  std::string request;
  int status;
};

std::ostream& operator<<(std::ostream& os, const BadRequestCase& c) {
  return os << c.what;
}

class BadRequestTest : public SampleServiceTest,
                       public ::testing::WithParamInterface<BadRequestCase> {};

TEST_P(BadRequestTest, GetsAnErrorStatusAndTheServiceGoesOn) {
  const HttpReply reply = Exchange(port, GetParam().request);
  EXPECT_EQ(reply.status, GetParam().status) << reply.head;
  EXPECT_EQ(ExtractSongRows(Ask("12345678").body).size(), 3u) << "no answer after the bad request";
}

const std::string kPath = "/fcg-bin/cgi_playlist_xml.fcg";

INSTANTIATE_TEST_SUITE_P(
    Requests, BadRequestTest,
    ::testing::Values(
        BadRequestCase{"other path", "GET /index.html HTTP/1.0\r\n\r\n", 404},
        BadRequestCase{"path with a suffix", "GET " + kPath + "x?uin=12345678 HTTP/1.0\r\n\r\n",
                       404},
        BadRequestCase{"no query", "GET " + kPath + " HTTP/1.0\r\n\r\n", 400},
        BadRequestCase{"no uin", "GET " + kPath + "?json=1&g_tk=524196017 HTTP/1.0\r\n\r\n", 400},
        BadRequestCase{"uinx is not uin", "GET " + kPath + "?uinx=12345678 HTTP/1.0\r\n\r\n", 400},
        BadRequestCase{"POST",
                       "POST " + kPath + "?uin=12345678 HTTP/1.0\r\nContent-Length: 3\r\n\r\nabc",
                       405},
        BadRequestCase{"DELETE", "DELETE " + kPath + "?uin=12345678 HTTP/1.0\r\n\r\n", 405},
        BadRequestCase{"unknown method", "BREW " + kPath + "?uin=12345678 HTTP/1.0\r\n\r\n", 400},
        BadRequestCase{"blank inside the target",
                       "GET " + kPath + "?uin= 12345678 HTTP/1.0\r\n\r\n", 400},
        BadRequestCase{"garbage line", std::string("\x01\x02\xFFgarbage\r\n\r\n"), 400},
        BadRequestCase{"over-long target",
                       "GET " + kPath + "?uin=" + std::string(20000, '1') + " HTTP/1.0\r\n\r\n",
                       414}),
    [](const auto& info) { return NameOf(info.param.what); });

TEST_F(SampleServiceTest, DropsBytesThatNeverFormALine) {
  // The first bytes of a TLS hello, from a client that then gives up.
  const HttpReply reply = Exchange(port, std::string("\x16\x03\x01\x00\xA5\x01", 6), true);
  EXPECT_TRUE(!reply.answered || reply.status == 400) << reply.head;
  EXPECT_EQ(ExtractSongRows(Ask("12345678").body).size(), 3u);
}

struct StopCase {
  const char* what;
  int signal;
  bool askFirst;  // otherwise the signal comes as soon as the line has been read
};

class StopSignalTest : public SampleServiceTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopSignalTest, EndsWithExitCodeZero) {
  if (GetParam().askFirst) {
    ASSERT_EQ(Ask("12345678").status, 200);
  }
  ASSERT_EQ(kill(service.pid, GetParam().signal), 0);
  ASSERT_TRUE(WaitForExit(service)) << "still running after the signal";
  ASSERT_TRUE(WIFEXITED(service.waitStatus)) << "wait status " << service.waitStatus;
  EXPECT_EQ(WEXITSTATUS(service.waitStatus), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest,
                         ::testing::Values(StopCase{"SIGTERM after a request", SIGTERM, true},
                                           StopCase{"SIGINT after a request", SIGINT, true},
                                           StopCase{"SIGTERM at once", SIGTERM, false},
                                           StopCase{"SIGINT at once", SIGINT, false}),
                         [](const auto& info) { return NameOf(info.param.what); });

struct OptionsCase {
  const char* what;
  std::vector<std::string> arguments;
  int exitCode;
};

class BadOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(BadOptionsTest, EndWithoutListening) {
  ServiceProcess service;
  ASSERT_TRUE(SpawnService(service, kProgram, GetParam().arguments));
  EXPECT_EQ(ReadLine(service), "");
  ASSERT_TRUE(WaitForExit(service));
  ASSERT_TRUE(WIFEXITED(service.waitStatus));
  EXPECT_EQ(WEXITSTATUS(service.waitStatus), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Options, BadOptionsTest,
                         ::testing::Values(OptionsCase{"port too big", {"--port", "65536"}, 2},
                                           OptionsCase{"port not a number", {"--port", "80a"}, 2},
                                           OptionsCase{"port without value", {"--port"}, 2},
                                           OptionsCase{"unknown option", {"--verbose", "1"}, 2},
                                           OptionsCase{"address not here",
                                                       {"--address", "192.0.2.1", "--port", "0"},
                                                       1}),
                         [](const auto& info) { return NameOf(info.param.what); });

TEST_F(SampleServiceTest, RefusesAPortInUse) {
  ServiceProcess second;
  ASSERT_TRUE(SpawnService(second, kProgram, {"--port", std::to_string(port)}));
  EXPECT_EQ(ReadLine(second), "");
  ASSERT_TRUE(WaitForExit(second));
  EXPECT_EQ(WEXITSTATUS(second.waitStatus), 1);
}

}  // namespace
