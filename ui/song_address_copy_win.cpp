#include "ui/song_address_copy_win.h"

#include "toolkit/clipboard_win.h"
#include "toolkit/popup_menu_win.h"
#include "ui/song_address_text.h"

void ShowSongMenu(ToolkitWindow* mainWindow, const char* songMenu) {
  PopUpMenuAtPointer(mainWindow, songMenu);
}

void CopySongAddress(SongList& list) {
  const Text name = list.GetCellText(list.SelectedRowIndex(), 1);
  const Text address = list.GetCellText(list.SelectedRowIndex(), 2);
  SetClipboardText(SongAddressText(name, address));
}
