// The report list view, painted through erase handling and custom draw only:
// the colours the program set (LVM_SETBKCOLOR and the others) stay set and
// read back unchanged; check boxes, selection and keys stay the list's own.

#include "skinengine/list_view_win.h"

#include <algorithm>

#include "skinengine/control_border_win.h"
#include "skinengine/engine_win.h"
#include "skinengine/gdi_win.h"
#include "skinengine/subclass_procs_win.h"

namespace {

bool IsReport(HWND list) {
  return (GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

// The top of the rows area in list coordinates: below a visible header.
int RowsTop(HWND list) {
  const HWND header = ListView_GetHeader(list);
  if (header == nullptr || !IsWindowVisible(header) || !IsReport(list)) return 0;
  RECT r;
  GetWindowRect(header, &r);
  MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&r), 2);
  return std::max<LONG>(0, r.bottom);
}

void FillRows(HWND list, HDC dc, const Theme& theme) {
  RECT client;
  GetClientRect(list, &client);
  client.top = RowsTop(list);
  FillRect(dc, &client, theme.brush(ColorRole::List));
}

// The height of one report row when there is no row to measure: what the
// list itself computes, the taller of its font and its images, plus one.
int EstimatedRowHeight(HWND list, HDC dc) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA tm = {};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  int height = tm.tmHeight;
  for (int which : {LVSIL_SMALL, LVSIL_STATE}) {
    const HIMAGELIST images = ListView_GetImageList(list, which);
    int cx = 0, cy = 0;
    if (images != nullptr && ImageList_GetIconSize(images, &cx, &cy)) height = std::max(height, cy);
  }
  return height + 1;
}

// The list has drawn its grid lines in the system's colour just before the
// post-paint notification; the same lines go over them in the skin's colour.
void PaintGrid(HWND list, HDC dc, const Theme& theme) {
  if ((ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES) == 0 || !IsReport(list)) return;
  RECT client;
  GetClientRect(list, &client);
  const int top = RowsTop(list);
  const COLORREF color = theme.color(ColorRole::ListGrid);

  const HWND header = ListView_GetHeader(list);
  const int columns = header != nullptr ? Header_GetItemCount(header) : 0;
  int lastRight = -1;
  for (int i = 0; i < columns; ++i) {
    RECT item;
    if (!Header_GetItemRect(header, i, &item)) continue;
    const bool first = item.left == 0;
    MapWindowPoints(header, list, reinterpret_cast<POINT*>(&item), 2);
    if (!first) FillSolid(dc, {item.left, top, item.left + 1, client.bottom}, color);
    lastRight = std::max<int>(lastRight, item.right);
  }
  if (lastRight >= 0 && lastRight < client.right) {
    FillSolid(dc, {lastRight, top, lastRight + 1, client.bottom}, color);
  }

  // Rows: a line at the last pixel of every row, continued below the last one,
  // and one just above the first row (the list draws it over the header's
  // bottom edge).
  int height = 0;
  int firstTop = top;
  const int topIndex = ListView_GetTopIndex(list);
  RECT row;
  if (ListView_GetItemCount(list) > 0 && ListView_GetItemRect(list, topIndex, &row, LVIR_BOUNDS)) {
    height = row.bottom - row.top;
    firstTop = row.top;
  } else {
    height = EstimatedRowHeight(list, dc);
  }
  if (height <= 0) return;
  for (int y = firstTop - 1; y <= client.bottom; y += height) {
    if (y >= top - 1) FillSolid(dc, {client.left, y, client.right, y + 1}, color);
  }
}

void PaintHeaderItem(HWND header, HDC dc, int index, const RECT& rc, bool pressed,
                     const Theme& theme) {
  const COLORREF back = theme.color(ColorRole::ListHeader);
  const COLORREF text = theme.color(ColorRole::ListHeaderText);
  FillSolid(dc, rc, pressed ? MixColor(back, text, 15) : back);
  FillSolid(dc, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, MixColor(back, text, 30));
  FillSolid(dc, {rc.right - 1, rc.top + 3, rc.right, rc.bottom - 3}, MixColor(back, text, 35));

  char caption[260] = {};
  HDITEMA item = {};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = caption;
  item.cchTextMax = sizeof(caption);
  if (!Header_GetItem(header, index, &item)) return;
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  switch (item.fmt & HDF_JUSTIFYMASK) {
    case HDF_CENTER:
      format |= DT_CENTER;
      break;
    case HDF_RIGHT:
      format |= DT_RIGHT;
      break;
    default:
      format |= DT_LEFT;
      break;
  }
  RECT box = rc;
  InflateRect(&box, -6, 0);
  if (pressed) OffsetRect(&box, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  DrawTextA(dc, caption, -1, &box, format);
}

LRESULT HeaderCustomDraw(HWND header, NMCUSTOMDRAW* draw, const Theme& theme) {
  switch (draw->dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
      PaintHeaderItem(header, draw->hdc, static_cast<int>(draw->dwItemSpec), draw->rc,
                      (draw->uItemState & CDIS_SELECTED) != 0, theme);
      return CDRF_SKIPDEFAULT;
    case CDDS_POSTPAINT: {
      // The strip right of the last column.
      RECT client;
      GetClientRect(header, &client);
      LONG right = 0;
      const int count = Header_GetItemCount(header);
      for (int i = 0; i < count; ++i) {
        RECT item;
        if (Header_GetItemRect(header, i, &item)) right = std::max(right, item.right);
      }
      if (right < client.right) {
        const COLORREF back = theme.color(ColorRole::ListHeader);
        const RECT rest = {right, client.top, client.right, client.bottom};
        FillSolid(draw->hdc, rest, back);
        FillSolid(draw->hdc, {rest.left, rest.bottom - 1, rest.right, rest.bottom},
                  MixColor(back, theme.color(ColorRole::ListHeaderText), 30));
      }
      return CDRF_DODEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

}  // namespace

LRESULT ListCustomDraw(NMLVCUSTOMDRAW* draw, const Theme& theme) {
  const HWND list = draw->nmcd.hdr.hwndFrom;
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      // The list may have erased with its own colour (double buffering, printing).
      FillRows(list, draw->nmcd.hdc, theme);
      return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT: {
      const int item = static_cast<int>(draw->nmcd.dwItemSpec);
      const bool selected = ListView_GetItemState(list, item, LVIS_SELECTED) != 0;
      // Without this the list would paint a selected row in the system colours.
      draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
      const bool showAlways = (GetWindowLongA(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
      if (selected && GetFocus() == list) {
        draw->clrText = theme.color(ColorRole::SelectionText);
        draw->clrTextBk = theme.color(ColorRole::Selection);
      } else if (selected && showAlways) {
        draw->clrText = theme.color(ColorRole::ListText);
        draw->clrTextBk =
            MixColor(theme.color(ColorRole::List), theme.color(ColorRole::Selection), 25);
      } else {
        draw->clrText = theme.color(ColorRole::ListText);
        draw->clrTextBk = theme.color(ColorRole::List);
      }
      return CDRF_DODEFAULT;
    }
    case CDDS_POSTPAINT:
      PaintGrid(list, draw->nmcd.hdc, theme);
      return CDRF_DODEFAULT;
  }
  return CDRF_DODEFAULT;
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_NCDESTROY) return EndSkinning(hwnd, message, wParam, lParam);
  const Theme* theme = CurrentTheme();
  if (theme == nullptr) return PassOn(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      FillRows(hwnd, reinterpret_cast<HDC>(wParam), *theme);
      return 1;
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      if (FindSkinned(hwnd) != nullptr && CurrentTheme() != nullptr) {
        PaintControlBorder(hwnd, *CurrentTheme(), ColorRole::List);
      }
      return result;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header != nullptr && header->code == NM_CUSTOMDRAW &&
          header->hwndFrom == ListView_GetHeader(hwnd)) {
        return HeaderCustomDraw(header->hwndFrom, reinterpret_cast<NMCUSTOMDRAW*>(lParam), *theme);
      }
      break;
    }
  }
  return PassOn(hwnd, message, wParam, lParam);
}
