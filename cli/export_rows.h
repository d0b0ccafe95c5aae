#pragma once
// The rows an export writes, taken from the playlist answer exactly as the
// window's list gets them, with the song and the singer also apart.

#include <vector>

#include "base/text.h"
#include "cli/gbk_text.h"

struct ExportRow {
  Text number;
  Text name;  // song, " - ", singer: what the window's list shows
  Text song;
  Text singer;
  Text address;
};

using ExportRows = std::vector<ExportRow>;

// One row per row of ExtractSongRows, in its order; the song and the singer
// are group 1 of the same i-th matches that make up the row's name.
ExportRows ExportRowsFromAnswer(const Text& answer);

// The rows with every text in `encoding`; `replaced` counts the characters
// that were not valid GBK.
ExportRows EncodeRows(const ExportRows& rows, OutputEncoding encoding, std::size_t& replaced);
