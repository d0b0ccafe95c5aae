// DirectoryOfModulePath against a model that looks backwards from each
// backslash: a backslash is the second byte of a double-byte character
// exactly when an odd number of GBK lead bytes (0x81..0xFE) stand right
// before it, since a run of lead-range bytes after any other byte pairs up
// from its start.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/check.h"
#include "skin/run_directory.h"

namespace {

bool IsLeadRange(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x81 && u <= 0xFE;
}

bool IsFreeBackslash(const Text& path, std::size_t at) {
  if (path[at] != '\\') return false;
  std::size_t leads = 0;
  while (leads < at && IsLeadRange(path[at - 1 - leads])) ++leads;
  return leads % 2 == 0;
}

Text ModelDirectory(const Text& path) {
  for (std::size_t at = path.size(); at-- > 0;) {
    if (IsFreeBackslash(path, at)) return path.substr(0, at);
  }
  return Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* const bytes = reinterpret_cast<const char*>(data);
  const Text path(bytes, strnlen(bytes, size));
  const Text directory = DirectoryOfModulePath(path);
  Agree(path.compare(0, directory.size(), directory) == 0, "not a prefix of the path");
  Agree(directory.empty() || IsFreeBackslash(path, directory.size()),
        "not cut at a backslash that stands alone");
  Agree(directory == ModelDirectory(path), "not cut at the last free backslash");
  return 0;
}
