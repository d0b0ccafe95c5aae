#include "ui/song_list_view_win.h"

#include <commctrl.h>

void SongListView::Clear() { SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0); }

int32_t SongListView::AppendRow(const Text& number) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(number.c_str());
  item.lParam = 0;
  return static_cast<int32_t>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void SongListView::SetCellText(int32_t row, int32_t column, const Text& text) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int32_t SongListView::SelectedRowIndex() {
  return static_cast<int32_t>(
      SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

Text SongListView::GetCellText(int32_t row, int32_t column) {
  // Read into 512 bytes, doubled as long as the text may not have fitted.
  for (std::size_t size = 512;; size *= 2) {
    Text buffer(size, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &buffer[0];
    item.cchTextMax = static_cast<int>(size);
    const LRESULT copied =
        SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (copied < static_cast<LRESULT>(size) - 1) {
      // The list may answer with a pointer to text of its own.
      if (copied <= 0 || item.pszText == nullptr) return Text();
      return Text(item.pszText, static_cast<std::size_t>(copied));
    }
  }
}

ListRedrawPause::ListRedrawPause(HWND list) : list_(list) {
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
}

ListRedrawPause::~ListRedrawPause() {
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}
