#include "playlist/piece_size.h"

#include <limits>

namespace {
constexpr uint32_t kDefaultPieceSize = 10240;
constexpr uint32_t kMaxPieceSize = 102400;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace

int64_t ParseDecimalPrefix(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  const int64_t limit = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    const int digit = *p - '0';
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
  }
  return negative ? -value : value;
}

uint32_t PieceSizeForContentLength(const char* contentLength) {
  if (contentLength == nullptr) return kDefaultPieceSize;
  const int64_t value = ParseDecimalPrefix(contentLength);
  if (value <= 0) return kDefaultPieceSize;
  if (value < kMaxPieceSize) return static_cast<uint32_t>(value + 1);
  return kMaxPieceSize;
}
