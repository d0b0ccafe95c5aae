#include "playlist/extraction.h"

#include <cstring>
#include <exception>
#include <string>

#include "playlist/literal_tail.h"

const char kSongNamePattern[] = "xsong_name:.(.*?).,xsinger_id";
const char kSingerNamePattern[] = "xsinger_name:.(.*?).,xsong_url";
const char kSongAddressPattern[] = "xsong_url:'(.*?)',xsong_dissid";

bool CompilePattern(CompiledPattern& pattern, const Text& source, bool caseSensitive) {
  pattern.compiled = false;
  try {
    const auto flags =
        caseSensitive ? boost::regex::perl : boost::regex::perl | boost::regex::icase;
    pattern.expression.assign(source.c_str(), flags);
    pattern.compiled = true;
  } catch (const std::exception&) {
    pattern.expression = boost::regex();
  }
  pattern.literalTail = pattern.compiled ? LiteralTail(source, caseSensitive) : Text();
  return pattern.compiled;
}

namespace {

PatternMatch ToPatternMatch(const boost::cmatch& found, const char* base) {
  PatternMatch match(found.size());
  for (std::size_t k = 0; k < found.size(); ++k) {
    if (!found[k].matched) continue;
    match[k].offset = static_cast<int32_t>(found[k].first - base);
    match[k].length = static_cast<int32_t>(found[k].second - found[k].first);
    match[k].tookPart = true;
  }
  return match;
}

// Where the searches of a scan may stop: every match ends with the pattern's
// literal tail, so none ends after the last place where the tail stands.
// Null when the tail stands nowhere, so that no match exists; `end` when the
// pattern has no tail. (A plain backward loop: string_view::rfind compares
// the whole tail at every byte, some ten times slower on a long answer.)
const char* SearchLimit(const CompiledPattern& pattern, const char* base, const char* end) {
  const Text& tail = pattern.literalTail;
  if (tail.empty()) return end;
  const std::size_t n = tail.size();
  const char last = tail.back();
  for (const char* p = end; static_cast<std::size_t>(p - base) >= n; --p) {
    if (p[-1] == last && std::memcmp(p - n, tail.data(), n) == 0) return p;
  }
  return nullptr;
}

// One search from `start`. The bytes between `limit` and `end` cannot hold the
// end of a match, and the tail has no lookahead or anchor after it, so the
// search over [start, limit) finds what the one over [start, end) finds, with
// less work. The engine's work limit shrinks with the range, though: when the
// short search gives up, the full one decides, as it would have alone.
bool SearchOnce(const CompiledPattern& pattern, const char* start, const char* limit,
                const char* end, boost::cmatch& found) {
  if (limit != end) {
    try {
      return boost::regex_search(start, limit, found, pattern.expression);
    } catch (const std::exception&) {
    }
  }
  return boost::regex_search(start, end, found, pattern.expression);
}

}  // namespace

std::vector<PatternMatch> SearchAll(const CompiledPattern& pattern, const Text& text) {
  std::vector<PatternMatch> matches;
  // Only the bytes before the first zero byte are searched.
  const char* const base = text.c_str();
  const char* const end = base + std::strlen(base);
  if (base == end || !pattern.compiled || pattern.expression.empty()) return matches;
  const char* const limit = SearchLimit(pattern, base, end);
  if (limit == nullptr) return matches;
  const std::size_t shortest = pattern.literalTail.size();

  const char* start = base;
  boost::cmatch found;
  try {
    // With a tail, a match needs at least the tail's bytes before the limit.
    while (static_cast<std::size_t>(limit - start) >= shortest &&
           SearchOnce(pattern, start, limit, end, found)) {
      matches.push_back(ToPatternMatch(found, base));
      const char* const matchEnd = found[0].second;
      if (found[0].first != matchEnd) {
        start = matchEnd;
        continue;
      }
      // An empty match: at the very start of the text it ends the scan; elsewhere
      // the next search starts one byte further, or there is nothing left.
      if (matchEnd == base || matchEnd == end) break;
      start = matchEnd + 1;
    }
  } catch (const std::exception&) {
    // Complexity, memory or stack limit of the engine: keep what was found.
  }
  return matches;
}

Text GroupText(const PatternMatch& match, const Text& text, int group) {
  if (group < 0 || static_cast<std::size_t>(group) >= match.size()) return Text();
  const GroupSpan& span = match[group];
  if (!span.tookPart || span.length <= 0 || span.offset < 0) return Text();
  const std::size_t offset = static_cast<std::size_t>(span.offset);
  if (offset >= text.size()) return Text();
  return text.substr(offset, static_cast<std::size_t>(span.length));
}

SongRows ExtractSongRows(const Text& answer) {
  CompiledPattern names, singers, addresses;
  CompilePattern(names, kSongNamePattern);
  CompilePattern(singers, kSingerNamePattern);
  CompilePattern(addresses, kSongAddressPattern);

  const std::vector<PatternMatch> nameMatches = SearchAll(names, answer);
  const std::vector<PatternMatch> addressMatches = SearchAll(addresses, answer);
  const std::vector<PatternMatch> singerMatches = SearchAll(singers, answer);

  // The song names alone decide the number of rows; a row beyond the last
  // singer or address match gets an empty singer or address.
  SongRows rows;
  rows.reserve(nameMatches.size());
  for (std::size_t i = 0; i < nameMatches.size(); ++i) {
    SongRow row;
    row.Number = std::to_string(i + 1);
    row.Name = GroupText(nameMatches[i], answer, 1) + " - ";
    if (i < singerMatches.size()) row.Name += GroupText(singerMatches[i], answer, 1);
    if (i < addressMatches.size()) row.Address = GroupText(addressMatches[i], answer, 1);
    rows.push_back(std::move(row));
  }
  return rows;
}
