#include "cli/service_notice.h"

#include <cctype>

#include "cli/gbk_text.h"

namespace {

// A message longer than this is cut (at a character boundary) for the report.
constexpr std::size_t kLongestMessage = 200;

bool IsKeyCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The offset just after `key` + ":" where the key stands whole (not as the end
// of a longer key such as subcode); npos when it stands nowhere from `from` on.
std::size_t ValueStart(const Text& answer, const Text& key, std::size_t from = 0) {
  const Text pattern = key + ":";
  for (std::size_t at = answer.find(pattern, from); at != Text::npos;
       at = answer.find(pattern, at + 1)) {
    if (at == 0 || !IsKeyCharacter(answer[at - 1])) return at + pattern.size();
  }
  return Text::npos;
}

Text CodeValue(const Text& answer) {
  const std::size_t start = ValueStart(answer, "code");
  if (start == Text::npos) return Text();
  std::size_t end = start;
  if (end < answer.size() && answer[end] == '-') ++end;
  while (end < answer.size() && std::isdigit(static_cast<unsigned char>(answer[end])) != 0) ++end;
  const Text value = answer.substr(start, end - start);
  return value == "-" ? Text() : value;
}

Text Shortened(const Text& message) {
  if (message.size() <= kLongestMessage) return message;
  std::size_t end = 0;
  while (end < message.size()) {
    const std::size_t next = end + CharacterLength(message, end, OutputEncoding::kGbk);
    if (next > kLongestMessage) break;
    end = next;
  }
  return message.substr(0, end) + "...";
}

// A quoted value of the key: apostrophes or double quotes around it. No GBK
// trail byte is a quote, so the closing quote is found byte by byte.
Text QuotedValue(const Text& answer, const Text& key) {
  for (std::size_t start = ValueStart(answer, key); start != Text::npos;
       start = ValueStart(answer, key, start)) {
    if (start >= answer.size()) break;
    const char quote = answer[start];
    if (quote != '\'' && quote != '"') continue;
    const std::size_t end = answer.find(quote, start + 1);
    if (end == Text::npos) break;
    if (end > start + 1) return Shortened(answer.substr(start + 1, end - start - 1));
  }
  return Text();
}

}  // namespace

ServiceNotice ReadServiceNotice(const Text& answer) {
  ServiceNotice notice;
  notice.code = CodeValue(answer);
  notice.message = QuotedValue(answer, "msg");
  if (notice.message.empty()) notice.message = QuotedValue(answer, "message");
  return notice;
}
