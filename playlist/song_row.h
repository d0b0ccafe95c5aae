#pragma once
#include <vector>

#include "base/text.h"

// One row of the song list.
struct SongRow {
  Text Number;   // the 1-based position, in decimal
  Text Name;     // song name, " - ", singer name
  Text Address;  // the listening address
};

using SongRows = std::vector<SongRow>;
