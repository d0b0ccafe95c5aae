// Why a list came back empty: the exit status and the words for each case,
// and the output file left as it was.

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <functional>
#include <ostream>
#include <string>

#include "qzplaylist_process.h"
#include "raw_http_server.h"

namespace {

const char kEarlierExport[] = "an earlier export\n";

// A playlist answer with one song, for servers that misbehave around it.
const char kOneSong[] =
    "jsonCallback({code:0,data:{songlist:[{xsong_name:'a',xsinger_id:1,xsinger_name:'b',"
    "xsong_url:'http://x/1.mp3',xsong_dissid:1}]}})";

struct FailureCase {
  const char* name;
  const char* number;
  // The server: null for the sample service, else a raw server's script.
  std::function<void(int, const std::string&)> respond;
  std::string host;  // used when there is no server at all
  int status;
  std::vector<std::string> said;  // texts standard error must hold
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<FailureCase> Cases() {
  const std::string refused = "127.0.0.1:" + std::to_string(ClosedPort());
  return {
      {"EmptyPlaylist",
       "20000000",
       nullptr,
       "",
       1,
       {"the playlist of 20000000 holds no songs (the service answered code:0)",
        u8"20000000 的歌单中没有歌曲（服务返回 code:0）"}},
      {"UnknownNumber",
       "11111111",
       nullptr,
       "",
       1,
       {u8"holds no songs (the service answered code:-1, msg:'该用户不存在或尚未设置背景音乐')"}},
      {"NumberThatIsNoNumber",
       "abc",
       nullptr,
       "",
       1,
       {u8"(the service answered code:-2, msg:'参数错误：QQ号码无效')"}},
      {"EmptyAnswer",
       "1",
       RawHttpServer::Answer(200, ""),
       "",
       1,
       {"holds no songs (the service's answer was empty)"}},
      {"RefusedConnection",
       "1",
       nullptr,
       refused,
       2,
       {refused + " refused the connection (error 7)", refused + u8" 拒绝了连接"}},
      {"UnresolvableHost",
       "1",
       nullptr,
       "no-such-host.invalid",
       2,
       {"the host name no-such-host.invalid cannot be resolved", u8"无法解析主机名"}},
      {"NotFound",
       "1",
       RawHttpServer::Answer(404, "<html>404 Not Found</html>"),
       "",
       2,
       {"answered with HTTP status 404", u8"返回了 HTTP 状态 404"}},
      // An error page is no playlist, even one that holds songs.
      {"ServerError",
       "1",
       RawHttpServer::Answer(500, kOneSong),
       "",
       2,
       {"answered with HTTP status 500"}},
      {"SilentServer",
       "1",
       [](int client, const std::string&) {
         char byte;
         recv(client, &byte, 1, 0);  // until the client gives up
       },
       "",
       2,
       {"did not answer in time (error 28)", u8"响应超时"}},
      {"AnswerBrokeOff",
       "1",
       [](int client, const std::string&) {
         RawHttpServer::SendAll(
             client, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(kOneSong));
       },
       "",
       2,
       {"the answer broke off after " + std::to_string(sizeof(kOneSong) - 1) + " bytes",
        u8"字节后中断"}},
      {"AnswerStalled",
       "1",
       [](int client, const std::string&) {
         RawHttpServer::SendAll(client, "HTTP/1.0 200 OK\r\n\r\n" + std::string(kOneSong));
         char byte;
         recv(client, &byte, 1, 0);
       },
       "",
       2,
       {"stopped sending after " + std::to_string(sizeof(kOneSong) - 1) + " bytes"}},
  };
}

class ExportFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ExportFailureTest, ExitsWithTheCauseAndLeavesTheOutputFileAsItWas) {
  const FailureCase& c = GetParam();
  std::unique_ptr<RawHttpServer> server;
  std::string host = c.host;
  if (c.respond) {
    server.reset(new RawHttpServer(c.respond));
    host = server->host();
  } else if (host.empty()) {
    host = SampleServiceHost();
    ASSERT_FALSE(host.empty()) << "sample service";
  }
  TemporaryDirectory dir;
  const std::string file = dir.File("list.tsv");
  WriteWholeFile(file, kEarlierExport);

  // A one-second time-out keeps the silent servers' cases short.
  const ProgramRun run =
      RunQzPlaylist({c.number, "--host", host, "--output", file}, {"QZ_FETCH_TIMEOUT_SECONDS=1"});
  EXPECT_EQ(run.status, c.status) << run.err;
  for (const std::string& text : c.said) {
    EXPECT_NE(run.err.find(text), std::string::npos) << "wanted: " << text << "\ngot: " << run.err;
  }
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"list.tsv"}) << "nothing beside the file";
  EXPECT_EQ(ReadWholeFile(file), kEarlierExport);
  EXPECT_LT(run.seconds, 10);
}

INSTANTIATE_TEST_SUITE_P(Fetch, ExportFailureTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return std::string(info.param.name);
                         });

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* said;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.name;
}

const UsageCase kUsageCases[] = {
    {"NoNumber", {}, "no QQ number given"},
    {"TwoNumbers", {"1", "2"}, "only one QQ number at a time, not also 2"},
    {"UnknownOption", {"1", "--bogus"}, "unknown option --bogus"},
    {"UnknownFormat", {"1", "--format", "xml"}, "unknown format xml (tsv, m3u or json)"},
    {"UnknownEncoding", {"1", "--encoding=latin1"}, "unknown encoding latin1 (gbk or utf-8)"},
    {"MissingValue", {"1", "--output"}, "option --output needs a value"},
    {"EmptyHost", {"1", "--host="}, "option --host needs a value that is not empty"},
};

class UsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, BadUsageExitsWith64AndTheUsageText) {
  const ProgramRun run = RunQzPlaylist(GetParam().arguments);
  EXPECT_EQ(run.status, 64);
  EXPECT_NE(run.err.find(GetParam().said), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Usage: qzplaylist QQNUMBER"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(u8"用法：qzplaylist QQ号码"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(CommandLine, UsageTest, ::testing::ValuesIn(kUsageCases),
                         [](const ::testing::TestParamInfo<UsageCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(HelpTest, HelpPrintsTheUsageAndFetchesNothing) {
  const ProgramRun run = RunQzPlaylist({"--help", "--host", "127.0.0.1:1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: qzplaylist QQNUMBER"), std::string::npos);
  EXPECT_NE(run.out.find("default here: utf-8"), std::string::npos);
}

TEST(OutputFailureTest, AnOutputThatCannotBeWrittenExitsWith73) {
  ASSERT_FALSE(SampleServiceHost().empty());
  TemporaryDirectory dir;
  const std::string file = dir.File("missing-directory/list.tsv");
  const ProgramRun run = RunQzPlaylist({"12345678", "--host", SampleServiceHost(), "-o", file});
  EXPECT_EQ(run.status, 73);
  EXPECT_NE(run.err.find("cannot write " + file), std::string::npos) << run.err;
  EXPECT_TRUE(dir.Entries().empty());
}

}  // namespace
