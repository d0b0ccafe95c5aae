#include "cli/messages.h"

#include <string>

namespace {

const char kPrefix[] = "qzplaylist: ";

// A GBK text (a literal of ours or a text from the answer) for the console.
Text Local(const Text& gbk, OutputEncoding console) {
  return EncodeGbk(gbk, console).text;
}

// A text from the answer on one line: control characters become blanks.
Text OneLine(const Text& text) {
  Text line = text;
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return line;
}

Text Lines(const Text& english, const Text& chinese) {
  return kPrefix + english + "\n" + kPrefix + chinese + "\n";
}

Text Decimal(long long value) {
  return std::to_string(value);
}

}  // namespace

Text UsageText(OutputEncoding console, OutputEncoding defaultEncoding) {
  const Text fallback = defaultEncoding == OutputEncoding::kGbk ? "gbk" : "utf-8";
  Text text =
      "Usage: qzplaylist QQNUMBER [--format tsv|m3u|json] [--output FILE] [--encoding gbk|utf-8] "
      "[--host HOST]\n";
  text += Local(
      "用法：qzplaylist QQ号码 [--format tsv|m3u|json] [--output 文件] [--encoding gbk|utf-8] "
      "[--host 主机]\n\n",
      console);
  text += "Writes the background-music playlist of a QQ number, every song at once.\n";
  text += Local("一次导出一个 QQ 号码的全部背景音乐歌曲。\n\n", console);
  text += "  -f, --format    tsv (default): number, name - singer, address; one song a line,\n";
  text += "                  separated by tabs. m3u: an extended M3U playlist. json: an array.\n";
  text +=
      Local("                  输出格式：tsv（默认，每行一首：序号、名字、地址，以制表符分隔），\n",
            console);
  text += Local("                  m3u（播放列表）或 json（数组）。\n", console);
  text += "  -o, --output    write FILE, whole or not at all (default: standard output)\n";
  text +=
      Local("                  写入文件：要么完整写入，要么不写（默认写到标准输出）\n", console);
  text += "  -e, --encoding  gbk or utf-8 (default here: " + fallback + ")\n";
  text += Local("                  输出编码：gbk 或 utf-8（此处默认 ", console) + fallback +
          Local("）\n", console);
  text += "      --host      ask the playlist service at HOST[:PORT]\n";
  text += Local("                  向指定主机（主机[:端口]）的歌单服务查询\n\n", console);
  text += "Exit status: 0 songs written, 1 the playlist holds no songs, 2 the fetch failed,\n";
  text += "64 bad usage, 73 the output could not be written.\n";
  text +=
      Local("退出码：0 已写出歌曲，1 歌单中没有歌曲，2 获取失败，64 用法错误，73 无法写出结果。\n",
            console);
  return text;
}

Text UsageProblemReport(UsageProblem problem, const Text& detail, OutputEncoding console) {
  switch (problem) {
    case UsageProblem::kNone:
    case UsageProblem::kHelpAsked:
      return Text();
    case UsageProblem::kNoNumber:
      return Lines("no QQ number given", Local("没有给出 QQ 号码", console));
    case UsageProblem::kSecondNumber:
      return Lines("only one QQ number at a time, not also " + detail,
                   Local("一次只能给出一个 QQ 号码，多出了 ", console) + detail);
    case UsageProblem::kUnknownOption:
      return Lines("unknown option " + detail, Local("未知选项 ", console) + detail);
    case UsageProblem::kMissingValue:
      return Lines("option " + detail + " needs a value",
                   Local("选项 ", console) + detail + Local(" 缺少取值", console));
    case UsageProblem::kEmptyValue:
      return Lines("option " + detail + " needs a value that is not empty",
                   Local("选项 ", console) + detail + Local(" 的取值不能为空", console));
    case UsageProblem::kBadFormat:
      return Lines(
          "unknown format " + detail + " (tsv, m3u or json)",
          Local("未知格式 ", console) + detail + Local("（可选 tsv、m3u 或 json）", console));
    case UsageProblem::kBadEncoding:
      return Lines("unknown encoding " + detail + " (gbk or utf-8)",
                   Local("未知编码 ", console) + detail + Local("（可选 gbk 或 utf-8）", console));
  }
  return Text();
}

Text WrittenReport(std::size_t rows, const Text& path, std::size_t replaced, OutputEncoding output,
                   OutputEncoding console) {
  const Text count = Decimal(static_cast<long long>(rows));
  const Text songs = rows == 1 ? " song" : " songs";
  Text report =
      path.empty() ? Lines(count + songs + " written",
                           Local("已写出 ", console) + count + Local(" 首歌曲", console))
                   : Lines(count + songs + " written to " + path,
                           Local("已将 ", console) + count + Local(" 首歌曲写入 ", console) + path);
  if (replaced > 0) {
    const Text n = Decimal(static_cast<long long>(replaced));
    const Text by = output == OutputEncoding::kUtf8 ? "U+FFFD" : "'?'";
    report += Lines(n + (replaced == 1 ? " character that is" : " characters that are") +
                        " not valid GBK replaced by " + by,
                    Local("有 ", console) + n + Local(" 个无效的 GBK 字符已替换为 ", console) + by);
  }
  return report;
}

Text NoSongsReport(const Text& qqNumber, const ServiceNotice& notice, bool emptyAnswer,
                   OutputEncoding console) {
  Text said;  // code:-1, msg:'...'
  if (!notice.code.empty()) said = "code:" + notice.code;
  if (!notice.message.empty()) {
    if (!said.empty()) said += ", ";
    said += "msg:'" + Local(OneLine(notice.message), console) + "'";
  }
  Text english = "the playlist of " + qqNumber + " holds no songs";
  Text chinese = qqNumber + Local(" 的歌单中没有歌曲", console);
  if (emptyAnswer) {
    english += " (the service's answer was empty)";
    chinese += Local("（服务的应答为空）", console);
  } else if (!said.empty()) {
    english += " (the service answered " + said + ")";
    chinese += Local("（服务返回 ", console) + said + Local("）", console);
  }
  return Lines(english, chinese);
}

Text FetchFailureReport(const FetchOutcome& outcome, const Text& host, std::size_t received,
                        OutputEncoding console) {
  const Text code = Decimal(outcome.platformError);
  const Text english = "cannot fetch the playlist: ";
  const Text chinese = Local("无法获取歌单：", console);
  const Text errorEnglish = outcome.platformError != 0 ? " (error " + code + ")" : "";
  const Text errorChinese =
      outcome.platformError != 0 ? Local("（错误代码 ", console) + code + Local("）", console) : "";

  if (outcome.result == FetchResult::kBrokeOff) {
    const Text bytes = Decimal(static_cast<long long>(received));
    if (outcome.cause == FetchFailure::kTimedOut) {
      return Lines(english + host + " stopped sending after " + bytes + " bytes" + errorEnglish,
                   chinese + host + Local(" 在发送 ", console) + bytes +
                       Local(" 字节后停止响应", console) + errorChinese);
    }
    return Lines(
        english + "the answer broke off after " + bytes + " bytes" + errorEnglish,
        chinese + Local("应答在 ", console) + bytes + Local(" 字节后中断", console) + errorChinese);
  }
  switch (outcome.cause) {
    case FetchFailure::kNameNotResolved:
      return Lines(english + "the host name " + host + " cannot be resolved" + errorEnglish,
                   chinese + Local("无法解析主机名 ", console) + host + errorChinese);
    case FetchFailure::kConnectionRefused:
      return Lines(english + host + " refused the connection" + errorEnglish,
                   chinese + host + Local(" 拒绝了连接", console) + errorChinese);
    case FetchFailure::kTimedOut:
      return Lines(english + host + " did not answer in time" + errorEnglish,
                   chinese + host + Local(" 响应超时", console) + errorChinese);
    case FetchFailure::kInvalidAddress:
      return Lines(
          english + "the query for host " + host + " is not a valid address" + errorEnglish,
          chinese + Local("主机 ", console) + host + Local(" 的查询地址无效", console) +
              errorChinese);
    case FetchFailure::kNone:
    case FetchFailure::kOther:
      break;
  }
  return Lines(
      english + "the request to " + host + " failed" + errorEnglish,
      chinese + Local("向 ", console) + host + Local(" 发出的请求失败", console) + errorChinese);
}

Text HttpStatusReport(int status, const Text& host, OutputEncoding console) {
  const Text code = Decimal(status);
  return Lines(
      "cannot fetch the playlist: " + host + " answered with HTTP status " + code,
      Local("无法获取歌单：", console) + host + Local(" 返回了 HTTP 状态 ", console) + code);
}

Text WriteFailureReport(const Text& path, long error, OutputEncoding console) {
  const Text where = path.empty() ? Text("standard output") : path;
  const Text whereChinese = path.empty() ? Local("标准输出", console) : path;
  const Text code = Decimal(error);
  return Lines("cannot write " + where + " (error " + code + "); nothing was written",
               Local("无法写入 ", console) + whereChinese + Local("（错误代码 ", console) + code +
                   Local("），未写出任何内容", console));
}
