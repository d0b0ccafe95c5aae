#pragma once
// Playlist answers to measure the extraction on, in GBK.

#include <cstddef>

#include "base/text.h"

// An answer in the sample service's form with `songs` records, one a line,
// names and singers in Chinese, addresses of the three stream kinds.
Text GeneratedAnswer(std::size_t songs);

// `unit` repeated to at least `bytes` bytes: a key whose value never meets the
// key that must follow it.
Text HostileAnswer(const char* unit, std::size_t bytes);
