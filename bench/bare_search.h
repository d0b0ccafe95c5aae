#pragma once
// The three patterns searched with Boost alone, each search from where the
// previous match ended, with nothing kept: the measure for the extraction.

#include <cstddef>

#include <boost/regex.hpp>

#include "base/text.h"

struct BareScan {
  std::size_t matches = 0;  // of all three patterns
  bool gaveUp = false;      // the engine hit one of its limits on some pattern
};

// The patterns are compiled once, outside what is timed.
struct BarePatterns {
  boost::regex names, singers, addresses;
};

BarePatterns CompileBarePatterns();
BareScan BareSearchLoop(const BarePatterns& patterns, const Text& text);
