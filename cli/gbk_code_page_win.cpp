// The GBK table through the system's code page 936.

#include <windows.h>

#include "cli/gbk_code_page.h"

bool GbkCharacterToCodePoint(const char* bytes, std::size_t length, uint32_t& codePoint) {
  WCHAR wide[2] = {};
  // Every character of code page 936 lies in the Basic Multilingual Plane.
  const int count =
      MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), wide, 2);
  if (count != 1) return false;
  codePoint = wide[0];
  return true;
}
