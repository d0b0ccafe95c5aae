#include "skinengine/control_border_win.h"

#include <algorithm>

void PaintControlBorder(HWND hwnd, const Theme& theme, ColorRole background) {
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
  const COLORREF back = theme.color(background);
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
