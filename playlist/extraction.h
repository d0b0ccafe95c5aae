#pragma once
// Picks the songs out of a playlist answer with three regular expressions.
// The answer's structure is not parsed: each pattern scans the whole text once,
// and the i-th matches of the three scans make row i.

#include <cstdint>
#include <vector>

#include <boost/regex.hpp>

#include "base/text.h"
#include "playlist/song_row.h"

extern const char kSongNamePattern[];
extern const char kSingerNamePattern[];
extern const char kSongAddressPattern[];

// Perl syntax over bytes. `compiled` is false until a compilation succeeded;
// an empty expression matches nothing. `literalTail` holds the bytes every
// match ends with when the pattern's text shows them (see literal_tail.h),
// else "".
struct CompiledPattern {
  boost::regex expression;
  bool compiled = false;
  Text literalTail;
};

struct GroupSpan {
  int32_t offset = 0;  // from the start of the searched text
  int32_t length = 0;
  bool tookPart = false;
};

// Entry 0 is the whole match, entry k capture group k.
using PatternMatch = std::vector<GroupSpan>;

// Compiles with Boost's Perl syntax and no other option (icase when asked).
// A syntax error leaves the pattern empty and returns false.
bool CompilePattern(CompiledPattern& pattern, const Text& source, bool caseSensitive = true);

// Every match of the pattern in the text up to its first zero byte, in order.
// Each search starts where the previous whole match ended, taking that place
// for the start of the text. An error the engine raises (complexity, memory,
// stack) ends the scan; the matches found before it are kept. The matches are
// those of searches over the whole rest of the text; a pattern's literal tail
// only lets the searches skip bytes where no match can end.
std::vector<PatternMatch> SearchAll(const CompiledPattern& pattern, const Text& text);

// The bytes of group `group` of `match` in the searched text; "" when the
// group did not take part or has no bytes.
Text GroupText(const PatternMatch& match, const Text& text, int group);

// One row per song-name match, in the order of the answer.
SongRows ExtractSongRows(const Text& answer);
