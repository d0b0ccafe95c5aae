#include "skin/run_directory.h"

#include <cstring>

namespace {
// GBK lead bytes; a lead byte is followed by one trail byte (0x40..0xFE),
// which may be 0x5C, the backslash.
bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
}  // namespace

Text DirectoryOfModulePath(const Text& path) {
  const char* const text = path.c_str();
  const std::size_t length = std::strlen(text);
  std::size_t lastBackslash = length;  // none yet
  for (std::size_t i = 0; i < length;) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(c) && i + 1 < length) {
      i += 2;
      continue;
    }
    if (c == '\\') lastBackslash = i;
    ++i;
  }
  return lastBackslash == length ? Text() : Text(text, lastBackslash);
}
