#pragma once
// The platform's GBK table (code page 936), one character at a time. GBK
// cannot be decoded without a table, and each platform carries its own:
// glibc's iconv on Linux, MultiByteToWideChar on Windows.

#include <cstddef>
#include <cstdint>

// The Unicode code point of the one- or two-byte GBK character at `bytes`;
// false when the platform's table maps nothing there.
bool GbkCharacterToCodePoint(const char* bytes, std::size_t length, uint32_t& codePoint);
