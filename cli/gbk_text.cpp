#include "cli/gbk_text.h"

#include <cstdint>

#include "cli/gbk_code_page.h"

namespace {

bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool IsTrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}
bool IsPrivateUse(uint32_t codePoint) {
  return codePoint >= 0xE000 && codePoint <= 0xF8FF;
}

void AppendUtf8(Text& out, uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// The length of the GBK character candidate at `offset`: 2 for a lead byte
// with a trail byte after it, else 1.
std::size_t CandidateLength(const Text& gbk, std::size_t offset) {
  const unsigned char byte = static_cast<unsigned char>(gbk[offset]);
  if (IsLeadByte(byte) && offset + 1 < gbk.size() &&
      IsTrailByte(static_cast<unsigned char>(gbk[offset + 1]))) {
    return 2;
  }
  return 1;
}

}  // namespace

EncodedText EncodeGbk(const Text& gbk, OutputEncoding encoding) {
  EncodedText encoded;
  encoded.text.reserve(encoding == OutputEncoding::kUtf8 ? gbk.size() * 3 / 2 : gbk.size());
  for (std::size_t offset = 0; offset < gbk.size();) {
    const unsigned char byte = static_cast<unsigned char>(gbk[offset]);
    if (byte < 0x80) {
      encoded.text += static_cast<char>(byte);
      ++offset;
      continue;
    }
    // A lone lead byte, 0xFF or a lead byte before a non-trail byte takes one
    // byte; the byte after it is looked at afresh.
    const std::size_t length = CandidateLength(gbk, offset);
    const bool structured = length == 2 || byte == 0x80;
    uint32_t codePoint = 0;
    const bool valid = structured && GbkCharacterToCodePoint(&gbk[offset], length, codePoint) &&
                       !IsPrivateUse(codePoint) && codePoint != 0xFFFD;
    if (!valid) {
      ++encoded.replaced;
      if (encoding == OutputEncoding::kUtf8) {
        AppendUtf8(encoded.text, 0xFFFD);
      } else {
        encoded.text += '?';
      }
    } else if (encoding == OutputEncoding::kUtf8) {
      AppendUtf8(encoded.text, codePoint);
    } else {
      encoded.text.append(gbk, offset, length);
    }
    offset += length;
  }
  return encoded;
}

std::size_t CharacterLength(const Text& text, std::size_t offset, OutputEncoding encoding) {
  if (encoding == OutputEncoding::kUtf8) return 1;
  return CandidateLength(text, offset);
}
