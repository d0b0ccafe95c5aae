#include "fuzz/plain_scan.h"

#include <cstring>
#include <string>

PlainScan ScanWithoutGuard(const boost::regex& expression, const Text& text) {
  PlainScan scan;
  const char* const base = text.c_str();
  const char* const end = base + std::strlen(base);
  if (base == end) return scan;
  const char* start = base;
  boost::cmatch found;
  try {
    while (boost::regex_search(start, end, found, expression)) {
      PatternMatch match(found.size());
      for (std::size_t k = 0; k < found.size(); ++k) {
        if (!found[k].matched) continue;
        match[k] = {static_cast<int32_t>(found[k].first - base),
                    static_cast<int32_t>(found[k].second - found[k].first), true};
      }
      scan.matches.push_back(match);
      const char* const after = found[0].second;
      if (found[0].first != after) {
        start = after;
      } else if (after == base || after == end) {
        break;
      } else {
        start = after + 1;
      }
    }
  } catch (const std::exception&) {
    scan.limitHit = true;
  }
  return scan;
}

namespace {

Text Group1(const std::vector<PatternMatch>& matches, std::size_t i, const Text& text) {
  if (i >= matches.size()) return Text();
  const GroupSpan& g = matches[i][1];
  return g.tookPart
             ? text.substr(static_cast<std::size_t>(g.offset), static_cast<std::size_t>(g.length))
             : Text();
}

}  // namespace

bool RowsWithoutGuard(const Text& answer, SongRows& rows) {
  const PlainScan names = ScanWithoutGuard(boost::regex(kSongNamePattern), answer);
  const PlainScan singers = ScanWithoutGuard(boost::regex(kSingerNamePattern), answer);
  const PlainScan addresses = ScanWithoutGuard(boost::regex(kSongAddressPattern), answer);
  if (names.limitHit || singers.limitHit || addresses.limitHit) return false;
  rows.clear();
  for (std::size_t i = 0; i < names.matches.size(); ++i) {
    rows.push_back({std::to_string(i + 1),
                    Group1(names.matches, i, answer) + " - " + Group1(singers.matches, i, answer),
                    Group1(addresses.matches, i, answer)});
  }
  return true;
}
