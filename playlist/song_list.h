#pragma once
#include <cstdint>

#include "base/text.h"

// The song list as the playlist logic sees it: rows of three text cells,
// column 0 the number, 1 the name with singer, 2 the address. The window
// implements it over its report list; MemorySongList stands in without windows.
struct SongList {
  virtual ~SongList() = default;

  // Write operations, used by the fetch command.
  virtual void Clear() = 0;
  // Adds a row after the last one with `number` in column 0; returns its
  // 0-based index, or -1 when no row could be added.
  virtual int32_t AppendRow(const Text& number) = 0;
  virtual void SetCellText(int32_t row, int32_t column, const Text& text) = 0;

  // Read operations, used by the song address copy.
  // The first selected row, -1 when none is.
  virtual int32_t SelectedRowIndex() = 0;
  // The cell's whole text; "" for an empty cell or a row or column that does not exist.
  virtual Text GetCellText(int32_t row, int32_t column) = 0;
};
