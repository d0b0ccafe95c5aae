// ExtractSongRows against three plain scans paired the same way. Inputs on
// which the engine alone gives up are skipped: there the guarded scan may
// find more, which is the point of the guard.

#include <cstddef>
#include <cstdint>

#include "fuzz/check.h"
#include "fuzz/plain_scan.h"
#include "playlist/bytes_to_text.h"
#include "playlist/extraction.h"

namespace {

bool SameRows(const SongRows& a, const SongRows& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Number != b[i].Number || a[i].Name != b[i].Name || a[i].Address != b[i].Address)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* const bytes = reinterpret_cast<const char*>(data);
  const Text answer = BytesToText(Bytes(bytes, bytes + size));
  SongRows expected;
  if (!RowsWithoutGuard(answer, expected)) return 0;
  Agree(SameRows(ExtractSongRows(answer), expected), "rows differ from the plain scans'");
  return 0;
}
