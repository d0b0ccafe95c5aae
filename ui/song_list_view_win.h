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

// Stops the list from redrawing while it lives; then it is drawn anew once.
class ListRedrawPause {
 public:
  explicit ListRedrawPause(HWND list);
  ~ListRedrawPause();
  ListRedrawPause(const ListRedrawPause&) = delete;
  ListRedrawPause& operator=(const ListRedrawPause&) = delete;

 private:
  HWND list_;
};
