#pragma once
// Answer texts (GBK) in the encoding the user asked the export to write.

#include <cstddef>

#include "base/text.h"

enum class OutputEncoding { kGbk, kUtf8 };

struct EncodedText {
  Text text;
  std::size_t replaced = 0;  // characters that were not valid GBK
};

// The GBK text in `encoding`. Each byte sequence that is not a valid GBK
// character becomes one replacement character: U+FFFD in UTF-8, "?" in GBK.
// Valid means: a byte below 0x80, or one that the platform's GBK table maps
// (0x80, or a lead byte 0x81-0xFE with a trail byte 0x40-0x7E or 0x80-0xFE)
// to a character outside the Private Use Area. The user-defined and unassigned
// codes are the ones that glibc's table leaves out and Windows' table sends to
// that area, so both platforms replace exactly the same characters.
EncodedText EncodeGbk(const Text& gbk, OutputEncoding encoding);

// The number of bytes of the character that starts at `offset` of a text in
// `encoding`, so that escaping never looks at a GBK trail byte (which can be
// 0x5C, the backslash) on its own. A UTF-8 byte of 0x80 or above is never
// ASCII, so there it is 1 for every byte.
std::size_t CharacterLength(const Text& text, std::size_t offset, OutputEncoding encoding);
