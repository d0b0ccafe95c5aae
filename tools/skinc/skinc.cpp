// skinc <source.txt> <output>: compiles one skin source into the binary skin
// format. A bad source gives a message naming the line and exit code 1; the
// output is written only for a good one.

#include <cstdio>
#include <fstream>
#include <iterator>

#include "skinengine/format/checksum.h"
#include "skinengine/format/skin_binary.h"
#include "skinengine/format/skin_source.h"

namespace {

bool ReadFile(const char* path, Text& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const char* path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out.flush());
}

// The salt comes from the source itself, so that one source always compiles
// to the same bytes and the build stays reproducible.
SkinSalt SaltFor(const Text& source) {
  const Text input = "skin salt\n" + source;
  const Sha256Digest digest =
      Sha256(reinterpret_cast<const unsigned char*>(input.data()), input.size());
  SkinSalt salt;
  for (std::size_t i = 0; i < salt.size(); ++i) salt[i] = digest[i];
  return salt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinc <source.txt> <output>\n");
    return 2;
  }
  Text source;
  if (!ReadFile(argv[1], source)) {
    std::fprintf(stderr, "skinc: cannot read %s\n", argv[1]);
    return 1;
  }
  const SkinSource parsed = ParseSkinSource(source);
  if (!parsed.ok) {
    std::fprintf(stderr, "skinc: %s: %s\n", argv[1], parsed.error.c_str());
    return 1;
  }
  const Bytes binary = SerializeSkin(parsed.scheme, parsed.password, SaltFor(source));
  if (!WriteFile(argv[2], binary)) {
    std::fprintf(stderr, "skinc: cannot write %s\n", argv[2]);
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
