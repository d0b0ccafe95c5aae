#include "skinengine/format/skin_binary.h"

#include <cstdint>
#include <cstring>

#include "skinengine/format/checksum.h"

namespace {

constexpr std::uint16_t kFlagProtected = 1;

enum RecordTag : std::uint16_t {
  kTagName = 1,
  kTagColor = 2,
  kTagMetric = 3,
};
constexpr std::size_t kMaxNameLength = 64;
constexpr std::size_t kColorPayload = 4;   // role, red, green, blue
constexpr std::size_t kMetricPayload = 6;  // u16 metric, i32 value

// Field offsets in the header.
constexpr std::size_t kVersionAt = 4;
constexpr std::size_t kFlagsAt = 6;
constexpr std::size_t kBodyLengthAt = 8;
constexpr std::size_t kSaltAt = 12;
constexpr std::size_t kHashAt = 28;

std::uint16_t ReadU16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const unsigned char* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

void PutU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void PutU32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutU32At(Bytes& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

Sha256Digest PasswordHash(const unsigned char* salt, const char* password) {
  const std::size_t length = std::strlen(password);
  std::basic_string<unsigned char> input(salt, salt + kSkinSaltSize);
  input.append(reinterpret_cast<const unsigned char*>(password), length);
  return Sha256(input.data(), input.size());
}

// Compares without an early exit, so that the time taken says nothing about
// how much of a guessed password's hash was right.
bool SameDigest(const Sha256Digest& a, const unsigned char* b) {
  unsigned char difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

struct SeenFields {
  bool name = false;
  std::array<bool, kColorRoleCount> colors{};
  std::array<bool, kMetricCount> metrics{};
};

SkinError ParseRecords(const unsigned char* body, std::size_t length, SkinScheme& scheme) {
  SeenFields seen;
  std::size_t at = 0;
  while (at < length) {
    if (length - at < 4) return SkinError::BadRecord;
    const std::uint16_t tag = ReadU16(body + at);
    const std::uint16_t size = ReadU16(body + at + 2);
    at += 4;
    if (length - at < size) return SkinError::BadRecord;
    const unsigned char* payload = body + at;
    at += size;
    switch (tag) {
      case kTagName:
        if (size == 0 || size > kMaxNameLength) return SkinError::BadRecord;
        if (seen.name) return SkinError::MissingField;
        seen.name = true;
        scheme.name.assign(reinterpret_cast<const char*>(payload), size);
        break;
      case kTagColor: {
        if (size != kColorPayload || payload[0] >= kColorRoleCount) return SkinError::BadRecord;
        if (seen.colors[payload[0]]) return SkinError::MissingField;
        seen.colors[payload[0]] = true;
        scheme.colors[payload[0]] = SkinColor{payload[1], payload[2], payload[3]};
        break;
      }
      case kTagMetric: {
        if (size != kMetricPayload) return SkinError::BadRecord;
        const std::uint16_t metric = ReadU16(payload);
        if (metric >= kMetricCount) return SkinError::BadRecord;
        const auto value = static_cast<std::int32_t>(ReadU32(payload + 2));
        const MetricRange range = MetricLimits(metric);
        if (value < range.min || value > range.max) return SkinError::BadRecord;
        if (seen.metrics[metric]) return SkinError::MissingField;
        seen.metrics[metric] = true;
        scheme.metrics[metric] = value;
        break;
      }
      default:
        // A later revision of version 1 may add records; skipping them keeps
        // such skins readable here.
        break;
    }
  }
  if (!seen.name) return SkinError::MissingField;
  for (bool s : seen.colors) {
    if (!s) return SkinError::MissingField;
  }
  for (bool s : seen.metrics) {
    if (!s) return SkinError::MissingField;
  }
  return SkinError::None;
}

void PutRecord(Bytes& out, std::uint16_t tag, const Bytes& payload) {
  PutU16(out, tag);
  PutU16(out, static_cast<std::uint16_t>(payload.size()));
  out.insert(out.end(), payload.begin(), payload.end());
}

}  // namespace

const char* SkinErrorText(SkinError error) {
  switch (error) {
    case SkinError::None:
      return "no error";
    case SkinError::TooShort:
      return "too short for a skin file";
    case SkinError::BadMagic:
      return "not a skin file (no .SHE mark)";
    case SkinError::UnknownVersion:
      return "unknown format version";
    case SkinError::BadLength:
      return "body length does not match the file";
    case SkinError::BadChecksum:
      return "damaged (checksum mismatch)";
    case SkinError::WrongPassword:
      return "wrong password";
    case SkinError::BadRecord:
      return "malformed record";
    case SkinError::MissingField:
      return "a field is missing or given twice";
  }
  return "unknown error";
}

SkinParseResult ParseSkin(const unsigned char* data, std::size_t length, const char* password) {
  SkinParseResult result;
  if (data == nullptr || length < kSkinHeaderSize + kSkinChecksumSize) {
    result.error = SkinError::TooShort;
    return result;
  }
  if (std::memcmp(data, kSkinMagic, sizeof(kSkinMagic)) != 0) {
    result.error = SkinError::BadMagic;
    return result;
  }
  if (ReadU16(data + kVersionAt) != kSkinFormatVersion) {
    result.error = SkinError::UnknownVersion;
    return result;
  }
  const std::uint32_t bodyLength = ReadU32(data + kBodyLengthAt);
  if (bodyLength != length - kSkinHeaderSize - kSkinChecksumSize) {
    result.error = SkinError::BadLength;
    return result;
  }
  const std::size_t checked = kSkinHeaderSize + bodyLength;
  if (Crc32(data, checked) != ReadU32(data + checked)) {
    result.error = SkinError::BadChecksum;
    return result;
  }
  if ((ReadU16(data + kFlagsAt) & kFlagProtected) != 0) {
    const Sha256Digest hash = PasswordHash(data + kSaltAt, password != nullptr ? password : "");
    if (!SameDigest(hash, data + kHashAt)) {
      result.error = SkinError::WrongPassword;
      return result;
    }
  }
  result.error = ParseRecords(data + kSkinHeaderSize, bodyLength, result.scheme);
  if (result.error != SkinError::None) result.scheme = SkinScheme{};
  return result;
}

Bytes SerializeSkin(const SkinScheme& scheme, const Text& password, const SkinSalt& salt) {
  Bytes body;
  PutRecord(body, kTagName, Bytes(scheme.name.begin(), scheme.name.end()));
  for (int role = 0; role < kColorRoleCount; ++role) {
    const SkinColor c = scheme.colors[role];
    PutRecord(body, kTagColor,
              Bytes{static_cast<char>(role), static_cast<char>(c.red), static_cast<char>(c.green),
                    static_cast<char>(c.blue)});
  }
  for (int metric = 0; metric < kMetricCount; ++metric) {
    Bytes payload;
    PutU16(payload, static_cast<std::uint16_t>(metric));
    PutU32(payload, static_cast<std::uint32_t>(scheme.metrics[metric]));
    PutRecord(body, kTagMetric, payload);
  }

  Bytes out(kSkinMagic, kSkinMagic + sizeof(kSkinMagic));
  PutU16(out, kSkinFormatVersion);
  PutU16(out, password.empty() ? 0 : kFlagProtected);
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  out.resize(kSkinHeaderSize, 0);
  if (!password.empty()) {
    std::memcpy(out.data() + kSaltAt, salt.data(), salt.size());
    const Sha256Digest hash = PasswordHash(salt.data(), password.c_str());
    std::memcpy(out.data() + kHashAt, hash.data(), hash.size());
  }
  out.insert(out.end(), body.begin(), body.end());
  const std::size_t checked = out.size();
  out.resize(checked + kSkinChecksumSize);
  PutU32At(out, checked, Crc32(reinterpret_cast<const unsigned char*>(out.data()), checked));
  return out;
}
