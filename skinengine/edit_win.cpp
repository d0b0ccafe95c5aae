// The subclass of an edit box: the engine draws its outline over the system's
// border (accent colour while it has the focus); background and text colours
// come from the parent's WM_CTLCOLOR* answer.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skinengine/engine_win.h"
#include "skinengine/gdi_win.h"
#include "skinengine/subclass_procs_win.h"

namespace {

void PaintBorder(HWND hwnd, const Theme& theme) {
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
  int edge = 0;
  if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
    edge = GetSystemMetrics(SM_CXEDGE);
  } else if ((style & WS_BORDER) != 0) {
    edge = GetSystemMetrics(SM_CXBORDER);
  }
  if (edge <= 0 || !IsWindowVisible(hwnd)) return;

  RECT screen;
  GetWindowRect(hwnd, &screen);
  const int w = screen.right - screen.left;
  const int h = screen.bottom - screen.top;
  WindowDc dc(hwnd, WindowDc::Whole);
  if (dc.get() == nullptr) return;

  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const COLORREF back = theme.color(ColorRole::Edit);
  const COLORREF line = !enabled ? MixColor(theme.color(ColorRole::EditBorder), back, 50)
                        : GetFocus() == hwnd ? theme.color(ColorRole::Focus)
                                             : theme.color(ColorRole::EditBorder);
  const int outline = std::min(edge, theme.borderWidth());
  for (int i = 0; i < edge; ++i) {
    const COLORREF c = i < outline ? line : back;
    FillSolid(dc.get(), {i, i, w - i, i + 1}, c);
    FillSolid(dc.get(), {i, h - i - 1, w - i, h - i}, c);
    FillSolid(dc.get(), {i, i, i + 1, h - i}, c);
    FillSolid(dc.get(), {w - i - 1, i, w - i, h - i}, c);
  }
}

void PaintBorderIfOurs(HWND hwnd) {
  if (FindSkinned(hwnd) != nullptr && CurrentTheme() != nullptr) PaintBorder(hwnd, *CurrentTheme());
}

}  // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  switch (message) {
    case WM_NCDESTROY:
      return EndSkinning(hwnd, message, wParam, lParam);
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_STYLECHANGED: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      PaintBorderIfOurs(hwnd);
      return result;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
