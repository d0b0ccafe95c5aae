#include "skinengine/caption_win.h"

#include <algorithm>

namespace {

bool IsToolWindow(HWND hwnd) {
  return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

HICON IconFor(HWND hwnd) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
  if (icon == nullptr && (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) == 0) {
    icon = LoadIcon(nullptr, IDI_APPLICATION);
  }
  return icon;
}

bool CloseDisabled(HWND hwnd) {
  if ((GetClassLongA(hwnd, GCL_STYLE) & CS_NOCLOSE) != 0) return true;
  // The default caption asks the window menu the same question.
  const HMENU menu = GetSystemMenu(hwnd, FALSE);
  if (menu == nullptr) return false;
  const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  return state == 0xFFFFFFFF || (state & (MF_DISABLED | MF_GRAYED)) != 0;
}

void DrawCaptionButton(HDC dc, const RECT& r, int which, bool hot, bool disabled, COLORREF face,
                       const Theme& theme) {
  if (IsRectEmpty(&r)) return;
  RECT box = r;
  InflateRect(&box, -1, -2);
  COLORREF glyph = theme.color(ColorRole::CaptionText);
  if (disabled) {
    glyph = MixColor(glyph, face, 55);
  } else if (hot) {
    const bool close = which == HTCLOSE;
    const COLORREF back = close ? theme.color(ColorRole::CloseHot) : MixColor(face, glyph, 22);
    FillSolid(dc, box, back);
    if (close) glyph = theme.color(ColorRole::CloseGlyph);
  }
  const int size = std::min(box.right - box.left, box.bottom - box.top) * 2 / 5;
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int half = size / 2;
  switch (which) {
    case HTCLOSE:
      DrawLine(dc, cx - half, cy - half, cx + half + 1, cy + half + 1, glyph, 2);
      DrawLine(dc, cx + half, cy - half, cx - half - 1, cy + half + 1, glyph, 2);
      break;
    case HTMAXBUTTON: {
      const RECT frame = {cx - half, cy - half, cx + half + 1, cy + half + 1};
      FillSolid(dc, {frame.left, frame.top, frame.right, frame.top + 2}, glyph);
      FillSolid(dc, {frame.left, frame.top, frame.left + 1, frame.bottom}, glyph);
      FillSolid(dc, {frame.right - 1, frame.top, frame.right, frame.bottom}, glyph);
      FillSolid(dc, {frame.left, frame.bottom - 1, frame.right, frame.bottom}, glyph);
      break;
    }
    case HTMINBUTTON:
      FillSolid(dc, {cx - half, cy + half - 1, cx + half + 1, cy + half + 1}, glyph);
      break;
  }
}

}  // namespace

CaptionLayout LayOutCaption(HWND hwnd) {
  CaptionLayout layout;
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
  if ((style & WS_CAPTION) != WS_CAPTION || IsIconic(hwnd)) return layout;

  RECT screen;
  GetWindowRect(hwnd, &screen);
  layout.window = {0, 0, screen.right - screen.left, screen.bottom - screen.top};

  // The frame and caption the system adds around a client area of this style,
  // without the client edge, which lies inside the frame and stays the system's.
  RECT outer = {0, 0, 0, 0};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(style), FALSE,
                     static_cast<DWORD>(exStyle & ~WS_EX_CLIENTEDGE));
  layout.frame = -outer.left;
  const int captionHeight = -outer.top - layout.frame;
  if (captionHeight <= 0) return layout;
  layout.caption = {layout.frame, layout.frame, layout.window.right - layout.frame,
                    layout.frame + captionHeight};
  if (layout.caption.right <= layout.caption.left) return layout;
  layout.valid = true;

  RECT inside = layout.caption;
  if ((style & WS_SYSMENU) != 0) {
    if (!IsToolWindow(hwnd) && IconFor(hwnd) != nullptr) {
      layout.icon = {inside.left, inside.top, inside.left + captionHeight - 1, inside.bottom};
    }
    // The default hit test gives the close button one caption height at the
    // right, then one button width each to maximize and minimize.
    layout.close = {inside.right - (captionHeight - 1), inside.top, inside.right, inside.bottom};
    inside.right = layout.close.left;
    if ((style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) != 0 && !IsToolWindow(hwnd)) {
      const int width = GetSystemMetrics(SM_CXSIZE);
      layout.maximize = {inside.right - width, inside.top, inside.right, inside.bottom};
      layout.minimize = {inside.right - 2 * width, inside.top, inside.right - width, inside.bottom};
    }
  }
  return layout;
}

void PaintCaption(HWND hwnd, const SkinnedWindow& window, const Theme& theme) {
  const CaptionLayout layout = LayOutCaption(hwnd);
  if (!layout.valid) return;
  WindowDc dc(hwnd, WindowDc::Whole);
  if (dc.get() == nullptr) return;

  // Frame: the ring between the window's edge and the caption and client.
  const RECT& w = layout.window;
  const int f = layout.frame;
  const COLORREF frame = theme.color(ColorRole::Frame);
  FillSolid(dc.get(), {0, 0, w.right, f}, frame);
  FillSolid(dc.get(), {0, w.bottom - f, w.right, w.bottom}, frame);
  FillSolid(dc.get(), {0, f, f, w.bottom - f}, frame);
  FillSolid(dc.get(), {w.right - f, f, w.right, w.bottom - f}, frame);

  const RECT& c = layout.caption;
  const int width = c.right - c.left;
  const int height = c.bottom - c.top;
  Canvas canvas(dc.get(), width, height);
  if (!canvas.ok()) return;
  const HDC mem = canvas.dc();
  const RECT bar = {0, 0, width, height};
  const COLORREF face =
      window.active ? theme.color(ColorRole::Caption) : theme.color(ColorRole::CaptionInactive);
  if (window.active) {
    FillVerticalGradient(mem, bar, theme.color(ColorRole::Caption),
                         theme.color(ColorRole::CaptionEnd));
  } else {
    FillSolid(mem, bar, face);
  }

  auto local = [&c](RECT r) {
    OffsetRect(&r, -c.left, -c.top);
    return r;
  };
  int textLeft = 6;
  if (!IsRectEmpty(&layout.icon)) {
    const RECT icon = local(layout.icon);
    const int size = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(mem, icon.left + (icon.right - icon.left - size) / 2,
               icon.top + (icon.bottom - icon.top - size) / 2, IconFor(hwnd), size, size, 0,
               nullptr, DI_NORMAL);
    textLeft = icon.right + 2;
  }
  int textRight = width - 4;
  const RECT* leftmost = !IsRectEmpty(&layout.minimize) ? &layout.minimize : &layout.close;
  if (!IsRectEmpty(leftmost)) textRight = local(*leftmost).left - 4;

  char title[512] = {};
  GetWindowTextA(hwnd, title, sizeof(title));
  RECT text = {textLeft, 0, textRight, height};
  const HGDIOBJ oldFont = SelectObject(mem, theme.captionFont());
  SetBkMode(mem, TRANSPARENT);
  SetTextColor(mem, window.active ? theme.color(ColorRole::CaptionText)
                                  : theme.color(ColorRole::CaptionInactiveText));
  DrawTextA(mem, title, -1, &text,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                (theme.captionCentred() ? DT_CENTER : DT_LEFT));
  SelectObject(mem, oldFont);

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  DrawCaptionButton(mem, local(layout.close), HTCLOSE, window.captionHot == HTCLOSE,
                    CloseDisabled(hwnd), face, theme);
  DrawCaptionButton(mem, local(layout.maximize), HTMAXBUTTON, window.captionHot == HTMAXBUTTON,
                    (style & WS_MAXIMIZEBOX) == 0, face, theme);
  DrawCaptionButton(mem, local(layout.minimize), HTMINBUTTON, window.captionHot == HTMINBUTTON,
                    (style & WS_MINIMIZEBOX) == 0, face, theme);
  canvas.CopyTo(dc.get(), c.left, c.top);
}

HRGN RegionLeftToDefault(HWND hwnd, HRGN update) {
  RECT screen;
  GetWindowRect(hwnd, &screen);
  HRGN left = CreateRectRgnIndirect(&screen);
  if (left == nullptr) return nullptr;
  if (update != nullptr && update != reinterpret_cast<HRGN>(1)) {
    CombineRgn(left, left, update, RGN_AND);
  }
  const CaptionLayout layout = LayOutCaption(hwnd);
  if (!layout.valid) return left;
  // Everything inside the frame and below the caption stays the system's.
  Region ours(CreateRectRgnIndirect(&screen));
  Region inner(CreateRectRgn(screen.left + layout.frame, screen.top + layout.caption.bottom,
                             screen.right - layout.frame, screen.bottom - layout.frame));
  if (ours && inner) {
    CombineRgn(ours.get(), ours.get(), inner.get(), RGN_DIFF);
    CombineRgn(left, left, ours.get(), RGN_DIFF);
  }
  return left;
}
