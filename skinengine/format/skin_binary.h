#pragma once
// The binary skin file: parse with validation, and serialize.
// Layout in skinengine/FORMAT.md.

#include <array>
#include <cstddef>

#include "base/text.h"
#include "skinengine/format/skin_scheme.h"

constexpr char kSkinMagic[4] = {'.', 'S', 'H', 'E'};
constexpr int kSkinFormatVersion = 1;
constexpr std::size_t kSkinHeaderSize = 60;
constexpr std::size_t kSkinChecksumSize = 4;
constexpr std::size_t kSkinSaltSize = 16;

enum class SkinError {
  None,
  TooShort,        // fewer bytes than a header and a checksum
  BadMagic,        // does not begin with ".SHE"
  UnknownVersion,  // a format version this engine does not read
  BadLength,       // the body length disagrees with the data's length
  BadChecksum,     // damaged: the CRC-32 does not match
  WrongPassword,   // protected, and the password's salted hash does not match
  BadRecord,       // a record runs past the body, has a wrong size or a value out of range
  MissingField,    // the name, a colour or a metric is absent, or given twice
};

const char* SkinErrorText(SkinError error);

struct SkinParseResult {
  SkinError error = SkinError::None;
  SkinScheme scheme;
};

// Checks everything before it trusts anything: length, magic, version, body
// length, checksum, password, then the records. A null password counts as "".
SkinParseResult ParseSkin(const unsigned char* data, std::size_t length, const char* password);

using SkinSalt = std::array<unsigned char, kSkinSaltSize>;

// An empty password gives an unprotected skin (salt and hash stored as zeros).
Bytes SerializeSkin(const SkinScheme& scheme, const Text& password, const SkinSalt& salt);
