#pragma once
// The scan as the engine alone gives it, the measure for the extraction's
// guarded searches: every search runs over the whole rest of the text.

#include <vector>

#include <boost/regex.hpp>

#include "base/text.h"
#include "playlist/extraction.h"

struct PlainScan {
  std::vector<PatternMatch> matches;
  bool limitHit = false;  // the engine gave up on one of the searches
};

// The matches of `expression` in `text` up to its first zero byte, each
// search starting where the previous whole match ended (one byte further
// after an empty match; an empty match at the very start ends the scan).
PlainScan ScanWithoutGuard(const boost::regex& expression, const Text& text);

// The rows made from three plain scans, paired as the extraction pairs them.
// False when the engine gave up on any of the scans.
bool RowsWithoutGuard(const Text& answer, SongRows& rows);
