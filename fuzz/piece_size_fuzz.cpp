// The piece size and the decimal prefix of a Content-Length text against a
// model that reads the digits as a string: leading zeros dropped, more than
// nineteen digits (or nineteen above the 64-bit maximum) saturate.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/check.h"
#include "playlist/piece_size.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int64_t ModelDecimalPrefix(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::strchr(" \t\n\v\f\r", text[i]) != nullptr) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  while (i < text.size() && text[i] == '0') ++i;
  std::string digits;
  while (i < text.size() && IsDigit(text[i])) digits += text[i++];

  const std::string max = std::to_string(std::numeric_limits<int64_t>::max());
  int64_t value = 0;
  if (digits.size() > max.size() || (digits.size() == max.size() && digits > max)) {
    value = std::numeric_limits<int64_t>::max();
  } else if (!digits.empty()) {
    value = static_cast<int64_t>(std::stoull(digits));
  }
  return negative ? -value : value;
}

uint32_t ModelPieceSize(const char* header) {
  if (header == nullptr) return 10240;
  const int64_t value = ModelDecimalPrefix(header);
  if (value <= 0) return 10240;
  return value >= 102400 ? 102400 : static_cast<uint32_t>(value) + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An empty input stands for a header that could not be queried.
  if (size == 0) {
    Agree(PieceSizeForContentLength(nullptr) == ModelPieceSize(nullptr), "piece size, no header");
    return 0;
  }
  const char* const bytes = reinterpret_cast<const char*>(data);
  const std::string header(bytes, strnlen(bytes, size));
  Agree(ParseDecimalPrefix(header.c_str()) == ModelDecimalPrefix(header), "decimal prefix");
  Agree(PieceSizeForContentLength(header.c_str()) == ModelPieceSize(header.c_str()), "piece size");
  return 0;
}
