// The binary skin format: what a good file gives back, and which damaged or
// foreign inputs the engine must refuse.

#include <gtest/gtest.h>

#include <cstring>

#include "skinengine/format/checksum.h"
#include "skinengine/format/skin_binary.h"
#include "skinengine/format/skin_source.h"
#include "skinengine/format/tests/sample_source.h"

namespace {

const SkinSalt kSalt = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

SkinScheme SampleScheme() {
  const SkinSource source = ParseSkinSource(SampleSource());
  EXPECT_TRUE(source.ok) << source.error;
  return source.scheme;
}

SkinParseResult Parse(const Bytes& data, const char* password = "") {
  return ParseSkin(reinterpret_cast<const unsigned char*>(data.data()), data.size(), password);
}

// Rewrites the trailing checksum so that a deliberate change inside the file
// is judged on its own merits rather than as damage.
void Reseal(Bytes& data) {
  const std::size_t checked = data.size() - kSkinChecksumSize;
  const std::uint32_t crc = Crc32(reinterpret_cast<const unsigned char*>(data.data()), checked);
  for (int i = 0; i < 4; ++i) data[checked + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
}

TEST(SkinFormat, SourceCompilesToABinaryThatParsesBackToTheSameScheme) {
  const SkinScheme scheme = SampleScheme();
  EXPECT_EQ(scheme.name, "Test Scheme");
  EXPECT_EQ(scheme.color(ColorRole::Window), (SkinColor{0xF3, 0xF7, 0xF8}));
  EXPECT_EQ(scheme.color(ColorRole::SelectionText), (SkinColor{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(scheme.metric(Metric::BorderWidth), 2);
  EXPECT_EQ(scheme.metric(Metric::CaptionAlign), 1);

  const Bytes binary = SerializeSkin(scheme, "", kSalt);
  ASSERT_GE(binary.size(), 4u);
  EXPECT_EQ(std::memcmp(binary.data(), ".SHE", 4), 0);
  const SkinParseResult parsed = Parse(binary);
  ASSERT_EQ(parsed.error, SkinError::None) << SkinErrorText(parsed.error);
  EXPECT_TRUE(parsed.scheme == scheme);
}

TEST(SkinFormat, UnprotectedSkinAcceptsTheEmptyAndTheNullPassword) {
  const Bytes binary = SerializeSkin(SampleScheme(), "", kSalt);
  EXPECT_EQ(Parse(binary, "").error, SkinError::None);
  EXPECT_EQ(Parse(binary, nullptr).error, SkinError::None);
}

TEST(SkinFormat, ProtectedSkinOpensOnlyWithItsPassword) {
  const Bytes binary = SerializeSkin(SampleScheme(), "s3cret", kSalt);
  EXPECT_EQ(Parse(binary, "s3cret").error, SkinError::None);
  EXPECT_TRUE(Parse(binary, "s3cret").scheme == SampleScheme());
  for (const char* wrong : {"", "s3cre", "s3cret ", "S3CRET"}) {
    const SkinParseResult parsed = Parse(binary, wrong);
    EXPECT_EQ(parsed.error, SkinError::WrongPassword) << "password '" << wrong << "'";
    EXPECT_TRUE(parsed.scheme.name.empty());
  }
}

TEST(SkinFormat, SameSchemeWithDifferentSaltsStoresDifferentHashes) {
  SkinSalt other = kSalt;
  other[0] = 99;
  const Bytes a = SerializeSkin(SampleScheme(), "pw", kSalt);
  const Bytes b = SerializeSkin(SampleScheme(), "pw", other);
  EXPECT_NE(a, b);
  EXPECT_EQ(Parse(b, "pw").error, SkinError::None);
}

struct RejectCase {
  const char* what;
  void (*damage)(Bytes&);
  SkinError expected;
};

const RejectCase kRejectCases[] = {
    {"empty", [](Bytes& d) { d.clear(); }, SkinError::TooShort},
    {"header only", [](Bytes& d) { d.resize(kSkinHeaderSize); }, SkinError::TooShort},
    {"bad magic", [](Bytes& d) { d[1] = 'X'; }, SkinError::BadMagic},
    {"unknown version",
     [](Bytes& d) {
       d[4] = 2;
       Reseal(d);
     },
     SkinError::UnknownVersion},
    {"truncated body", [](Bytes& d) { d.resize(d.size() - 7); }, SkinError::BadLength},
    {"trailing garbage", [](Bytes& d) { d.push_back('x'); }, SkinError::BadLength},
    {"flipped byte in a colour", [](Bytes& d) { d[kSkinHeaderSize + 30] ^= 0x40; },
     SkinError::BadChecksum},
    {"flipped byte in the checksum", [](Bytes& d) { d.back() ^= 1; }, SkinError::BadChecksum},
    {"flipped protection flag", [](Bytes& d) { d[6] ^= 1; }, SkinError::BadChecksum},
    {"record running past the body",
     [](Bytes& d) {
       d[kSkinHeaderSize + 2] = 0x7F;  // the name record's length
       Reseal(d);
     },
     SkinError::BadRecord},
    {"colour role out of range",
     [](Bytes& d) {
       // The first colour record follows the name record ("Test Scheme", 11 bytes).
       d[kSkinHeaderSize + 4 + 11 + 4] = static_cast<char>(kColorRoleCount);
       Reseal(d);
     },
     SkinError::BadRecord},
    {"colour given twice",
     [](Bytes& d) {
       d[kSkinHeaderSize + 4 + 11 + 4 + 8] = 0;  // second colour record claims role 0 too
       Reseal(d);
     },
     SkinError::MissingField},
};

TEST(SkinFormat, RejectsDamagedAndForeignData) {
  const Bytes good = SerializeSkin(SampleScheme(), "", kSalt);
  for (const RejectCase& c : kRejectCases) {
    Bytes data = good;
    c.damage(data);
    const SkinParseResult parsed = Parse(data);
    EXPECT_EQ(parsed.error, c.expected) << c.what << ": got " << SkinErrorText(parsed.error);
    EXPECT_TRUE(parsed.scheme.name.empty()) << c.what;
  }
}

TEST(SkinFormat, NullDataIsTooShort) {
  EXPECT_EQ(ParseSkin(nullptr, 0, "").error, SkinError::TooShort);
  EXPECT_EQ(ParseSkin(nullptr, 100, "").error, SkinError::TooShort);
}

TEST(SkinFormat, EveryByteOfAGoodFileIsCoveredByTheChecksumOrTheChecks) {
  const Bytes good = SerializeSkin(SampleScheme(), "pw", kSalt);
  for (std::size_t i = 0; i < good.size(); ++i) {
    Bytes data = good;
    data[i] ^= 0x01;
    EXPECT_NE(Parse(data, "pw").error, SkinError::None) << "byte " << i;
  }
}

TEST(Digests, MatchTheirPublishedTestVectors) {
  const char* digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const unsigned char*>(digits), 9), 0xCBF43926u);

  auto hex = [](const Sha256Digest& d) {
    static const char kHex[] = "0123456789abcdef";
    Text s;
    for (unsigned char b : d) {
      s += kHex[b >> 4];
      s += kHex[b & 15];
    }
    return s;
  };
  EXPECT_EQ(hex(Sha256(reinterpret_cast<const unsigned char*>("abc"), 3)),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(hex(Sha256(nullptr, 0)),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  // 56 bytes: the padding needs a second block.
  const char* twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
  EXPECT_EQ(hex(Sha256(reinterpret_cast<const unsigned char*>(twoBlocks), 56)),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

}  // namespace
