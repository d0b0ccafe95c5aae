#include "playlist/memory_song_list.h"

int32_t MemorySongList::AppendRow(const Text& number) {
  if (rows_.size() >= capacity_) return -1;
  rows_.push_back(Row{number, Text(), Text()});
  return static_cast<int32_t>(rows_.size() - 1);
}

void MemorySongList::SetCellText(int32_t row, int32_t column, const Text& text) {
  if (Holds(row, column)) rows_[row][column] = text;
}

Text MemorySongList::GetCellText(int32_t row, int32_t column) {
  return Holds(row, column) ? rows_[row][column] : Text();
}

bool MemorySongList::Holds(int32_t row, int32_t column) const {
  return row >= 0 && static_cast<std::size_t>(row) < rows_.size() && column >= 0 && column < 3;
}
