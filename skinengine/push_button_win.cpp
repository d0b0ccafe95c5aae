// The subclass of a push button: the engine paints it in WM_PAINT (the style
// stays as the program made it), with distinct normal, hot, pressed, focused
// and disabled looks. Everything else, clicks and keys included, is the
// button's own handling.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skinengine/engine_win.h"
#include "skinengine/gdi_win.h"
#include "skinengine/subclass_procs_win.h"
#include "skinengine/window_kind_win.h"

namespace {

struct ButtonState {
  bool disabled;
  bool pressed;
  bool hot;
  bool focused;
  bool isDefault;
};

ButtonState StateOf(HWND hwnd, const SkinnedWindow& window) {
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  const auto state = static_cast<UINT>(SendMessageA(hwnd, BM_GETSTATE, 0, 0));
  ButtonState s{};
  s.disabled = IsWindowEnabled(hwnd) == FALSE;
  s.pressed = !s.disabled && (state & BST_PUSHED) != 0;
  s.hot = !s.disabled && window.mouseInside;
  s.focused = GetFocus() == hwnd;
  s.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return s;
}

UINT TextFormat(LONG style, UINT uiState) {
  UINT format = DT_END_ELLIPSIS;
  switch (style & BS_CENTER) {
    case BS_LEFT:
      format |= DT_LEFT;
      break;
    case BS_RIGHT:
      format |= DT_RIGHT;
      break;
    default:
      format |= DT_CENTER;
      break;
  }
  if ((style & BS_MULTILINE) != 0) {
    format |= DT_WORDBREAK;
  } else {
    format |= DT_SINGLELINE | DT_VCENTER;
  }
  if ((uiState & UISF_HIDEACCEL) != 0) format |= DT_HIDEPREFIX;
  return format;
}

void DrawCaptionText(HWND hwnd, HDC dc, RECT box, COLORREF color, UINT format) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  if ((format & DT_WORDBREAK) != 0) {
    // Centre a wrapped caption vertically by measuring it first.
    RECT measured = box;
    DrawTextA(dc, text, -1, &measured, format | DT_CALCRECT);
    const int offset = ((box.bottom - box.top) - (measured.bottom - measured.top)) / 2;
    if (offset > 0) box.top += offset;
  }
  DrawTextA(dc, text, -1, &box, format);
  SelectObject(dc, oldFont);
}

void PaintButton(HWND hwnd, HDC target, const SkinnedWindow& window, const Theme& theme) {
  RECT client;
  GetClientRect(hwnd, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  Canvas canvas(target, width, height);
  if (!canvas.ok()) return;
  const HDC dc = canvas.dc();
  const ButtonState s = StateOf(hwnd, window);
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  const auto uiState = static_cast<UINT>(SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0));

  // Behind the rounded corners: the window background of the skin.
  FillSolid(dc, client, theme.color(ColorRole::Window));

  const COLORREF face = s.disabled  ? theme.color(ColorRole::ButtonDisabled)
                        : s.pressed ? theme.color(ColorRole::ButtonPressed)
                        : s.hot     ? theme.color(ColorRole::ButtonHot)
                                    : theme.color(ColorRole::Button);
  const int gloss = s.disabled ? 0 : theme.buttonGloss();
  const COLORREF top = s.pressed ? MixColor(face, RGB(0, 0, 0), gloss / 4)
                                 : MixColor(face, RGB(255, 255, 255), gloss);
  const int radius = std::min(theme.buttonRadius(), std::min(width, height) / 2);
  Region shape(CreateRoundRectRgn(0, 0, width + 1, height + 1, 2 * radius + 1, 2 * radius + 1));
  if (shape) SelectClipRgn(dc, shape.get());
  FillVerticalGradient(dc, client, top, face);
  SelectClipRgn(dc, nullptr);

  const bool accent = !s.disabled && (s.focused || s.isDefault);
  const COLORREF outline = s.disabled ? MixColor(theme.color(ColorRole::ButtonBorder), face, 50)
                           : accent   ? theme.color(ColorRole::Focus)
                                      : theme.color(ColorRole::ButtonBorder);
  const int border = theme.borderWidth() + (s.focused && !s.disabled ? 1 : 0);
  if (shape) {
    Brush outlineBrush(CreateSolidBrush(outline));
    if (outlineBrush) FrameRgn(dc, shape.get(), outlineBrush.get(), border, border);
  }

  RECT text = client;
  InflateRect(&text, -(border + 3), -(border + 1));
  if (s.pressed) OffsetRect(&text, 1, 1);
  DrawCaptionText(
      hwnd, dc, text,
      s.disabled ? theme.color(ColorRole::ButtonDisabledText) : theme.color(ColorRole::ButtonText),
      TextFormat(style, uiState));

  if (s.focused && !s.disabled && (uiState & UISF_HIDEFOCUS) == 0) {
    RECT focus = client;
    InflateRect(&focus, -(border + 2), -(border + 2));
    Pen dotted(CreatePen(PS_DOT, 1, theme.color(ColorRole::Focus)));
    if (dotted) {
      const HGDIOBJ oldPen = SelectObject(dc, dotted.get());
      const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
      SetBkMode(dc, TRANSPARENT);
      Rectangle(dc, focus.left, focus.top, focus.right, focus.bottom);
      SelectObject(dc, oldBrush);
      SelectObject(dc, oldPen);
    }
  }
  canvas.CopyTo(target, 0, 0);
}

bool StillOurs(HWND hwnd) {
  return FindSkinned(hwnd) != nullptr && CurrentTheme() != nullptr &&
         IsPushButtonStyle(GetWindowLongA(hwnd, GWL_STYLE));
}

// The button draws some state changes straight to the screen (pressing, focus,
// BM_SETSTATE); the engine's look goes over them at once.
void RepaintNow(HWND hwnd) {
  if (!IsWindowVisible(hwnd) || !StillOurs(hwnd)) return;
  WindowDc dc(hwnd, WindowDc::Client);
  if (dc.get() != nullptr) PaintButton(hwnd, dc.get(), *FindSkinned(hwnd), *CurrentTheme());
}

bool RedrawsItself(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
    case WM_UPDATEUISTATE:
    case WM_CHANGEUISTATE:
      return true;
  }
  return false;
}

}  // namespace

LRESULT CALLBACK PushButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR ref) {
  auto& window = *reinterpret_cast<SkinnedWindow*>(ref);
  if (message == WM_NCDESTROY) return EndSkinning(hwnd, message, wParam, lParam);
  if (!StillOurs(hwnd)) return PassOn(hwnd, message, wParam, lParam);
  const Theme& theme = *CurrentTheme();
  switch (message) {
    case WM_PAINT: {
      if (wParam != 0) {
        PaintButton(hwnd, reinterpret_cast<HDC>(wParam), window, theme);
        return 0;
      }
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      if (dc != nullptr) PaintButton(hwnd, dc, window, theme);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintButton(hwnd, reinterpret_cast<HDC>(wParam), window, theme);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_MOUSEMOVE: {
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      SkinnedWindow* still = FindSkinned(hwnd);
      if (still == nullptr) return result;
      const bool entered = !still->mouseInside;
      if (entered) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, 0};
        still->mouseInside = TrackMouseEvent(&track) != FALSE;
      }
      // While the button holds the mouse, moving in and out presses and releases it.
      if (entered || GetCapture() == hwnd) RepaintNow(hwnd);
      return result;
    }
    case WM_MOUSELEAVE: {
      window.mouseInside = false;
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      RepaintNow(hwnd);
      return result;
    }
  }
  if (RedrawsItself(message)) {
    const LRESULT result = PassOn(hwnd, message, wParam, lParam);
    RepaintNow(hwnd);
    return result;
  }
  return PassOn(hwnd, message, wParam, lParam);
}
