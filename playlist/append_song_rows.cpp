#include "playlist/fetch_playlist.h"

void AppendSongRows(SongList& list, const SongRows& rows) {
  for (const SongRow& row : rows) {
    const int32_t index = list.AppendRow(row.Number);
    if (index == -1) return;
    list.SetCellText(index, 1, row.Name);
    list.SetCellText(index, 2, row.Address);
  }
}
