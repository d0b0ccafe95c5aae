#pragma once
#include <windows.h>

#include "playlist/song_list.h"

// The song list over the report list "超级列表框1".
class SongListView : public SongList {
 public:
  explicit SongListView(HWND list) : list_(list) {}

  void Clear() override;
  int32_t AppendRow(const Text& number) override;
  void SetCellText(int32_t row, int32_t column, const Text& text) override;
  int32_t SelectedRowIndex() override;
  Text GetCellText(int32_t row, int32_t column) override;

 private:
  HWND list_;
};
