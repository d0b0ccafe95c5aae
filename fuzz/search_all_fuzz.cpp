// SearchAll with any pattern against the plain scan, to hold the literal tail
// that a pattern's text gives to what every match really ends with. The first
// byte gives the pattern's length, the pattern follows, the rest is the text.
// Inputs on which the engine alone gives up are skipped.

#include <cstddef>
#include <cstdint>

#include "fuzz/check.h"
#include "fuzz/plain_scan.h"
#include "playlist/extraction.h"

namespace {

bool SameSpans(const std::vector<PatternMatch>& a, const std::vector<PatternMatch>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].size() != b[i].size()) return false;
    for (std::size_t k = 0; k < a[i].size(); ++k) {
      const GroupSpan& x = a[i][k];
      const GroupSpan& y = b[i][k];
      if (x.tookPart != y.tookPart) return false;
      if (x.tookPart && (x.offset != y.offset || x.length != y.length)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t patternLength = data[0] % 64;
  if (size < 1 + patternLength) return 0;
  const char* const bytes = reinterpret_cast<const char*>(data);
  const Text source(bytes + 1, patternLength);
  const Text text(bytes + 1 + patternLength, size - 1 - patternLength);

  CompiledPattern pattern;
  if (!CompilePattern(pattern, source)) return 0;
  const PlainScan plain = ScanWithoutGuard(pattern.expression, text);
  if (plain.limitHit) return 0;
  Agree(SameSpans(SearchAll(pattern, text), plain.matches), "matches differ from the plain scan's");
  return 0;
}
