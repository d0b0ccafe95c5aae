#include "bench/bare_search.h"

#include <exception>

#include "playlist/extraction.h"

BarePatterns CompileBarePatterns() {
  return {boost::regex(kSongNamePattern), boost::regex(kSingerNamePattern),
          boost::regex(kSongAddressPattern)};
}

namespace {

void Scan(const boost::regex& pattern, const Text& text, BareScan& scan) {
  const char* start = text.data();
  const char* const end = start + text.size();
  boost::cmatch found;
  try {
    while (boost::regex_search(start, end, found, pattern)) {
      ++scan.matches;
      start = found[0].second;
    }
  } catch (const std::exception&) {
    scan.gaveUp = true;
  }
}

}  // namespace

BareScan BareSearchLoop(const BarePatterns& patterns, const Text& text) {
  BareScan scan;
  Scan(patterns.names, text, scan);
  Scan(patterns.addresses, text, scan);
  Scan(patterns.singers, text, scan);
  return scan;
}
