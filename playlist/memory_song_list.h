#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "playlist/song_list.h"

// A SongList held in memory, for running the playlist logic without windows.
// `capacity` limits the number of rows, so that a full list can be shown.
class MemorySongList : public SongList {
 public:
  using Row = std::array<Text, 3>;

  explicit MemorySongList(std::size_t capacity = static_cast<std::size_t>(-1))
      : capacity_(capacity) {}

  void Clear() override { rows_.clear(); }
  int32_t AppendRow(const Text& number) override;
  void SetCellText(int32_t row, int32_t column, const Text& text) override;
  int32_t SelectedRowIndex() override { return selected_; }
  Text GetCellText(int32_t row, int32_t column) override;

  void Select(int32_t row) { selected_ = row; }
  const std::vector<Row>& rows() const { return rows_; }

 private:
  bool Holds(int32_t row, int32_t column) const;

  std::size_t capacity_;
  std::vector<Row> rows_;
  int32_t selected_ = -1;
};
