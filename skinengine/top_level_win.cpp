// The subclass of a skinned top-level window: its client background, the
// colours of its child controls, its list views' rows, and its frame and
// caption.

#include <windows.h>

#include <commctrl.h>

#include "skinengine/caption_win.h"
#include "skinengine/engine_win.h"
#include "skinengine/list_view_win.h"
#include "skinengine/subclass_procs_win.h"
#include "skinengine/window_kind_win.h"

namespace {

// Fills the client area in the DC's own coordinates. A self-drawn transparent
// label hands over its DC with the viewport moved into our coordinates, so
// the same fill lands exactly under the label.
void PaintBackground(HWND hwnd, HDC dc, const Theme& theme) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, theme.brush(ColorRole::Window));
}

LRESULT ControlColors(UINT message, HDC dc, HWND control, const Theme& theme) {
  const bool enabled = IsWindowEnabled(control) != FALSE;
  ColorRole text = ColorRole::WindowText;
  ColorRole back = ColorRole::Window;
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      text = ColorRole::EditText;
      back = ColorRole::Edit;
      break;
    case WM_CTLCOLORSTATIC:
      // Read-only and disabled edit boxes ask with this message too.
      if (HasClass(control, "Edit")) back = ColorRole::Edit;
      text = back == ColorRole::Edit ? ColorRole::EditText : ColorRole::WindowText;
      break;
    default:
      break;
  }
  SetTextColor(dc, enabled ? theme.color(text) : theme.color(ColorRole::ButtonDisabledText));
  SetBkColor(dc, theme.color(back));
  return reinterpret_cast<LRESULT>(theme.brush(back));
}

bool IsCaptionButton(WPARAM hit) {
  return hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON;
}

void SetCaptionHot(HWND hwnd, SkinnedWindow& window, int hit, const Theme& theme) {
  if (window.captionHot == hit) return;
  window.captionHot = hit;
  if (hit != HTNOWHERE && !window.trackingCaption) {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_NONCLIENT, hwnd, 0};
    window.trackingCaption = TrackMouseEvent(&track) != FALSE;
  }
  PaintCaption(hwnd, window, theme);
}

// Runs the program's (and the system's) handling of a message that redraws
// the caption itself, then draws ours over it, if the window is still ours.
LRESULT PassOnThenRepaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(hwnd, message, wParam, lParam);
  SkinnedWindow* window = FindSkinned(hwnd);
  const Theme* theme = CurrentTheme();
  if (window != nullptr && theme != nullptr && IsWindowVisible(hwnd)) {
    PaintCaption(hwnd, *window, *theme);
  }
  return result;
}

}  // namespace

LRESULT CALLBACK TopLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR ref) {
  auto& window = *reinterpret_cast<SkinnedWindow*>(ref);
  const Theme* theme = CurrentTheme();
  if (message == WM_NCDESTROY || theme == nullptr) {
    return message == WM_NCDESTROY ? EndSkinning(hwnd, message, wParam, lParam)
                                   : PassOn(hwnd, message, wParam, lParam);
  }
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(hwnd, reinterpret_cast<HDC>(wParam), *theme);
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
      return ControlColors(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                           *theme);
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header == nullptr || header->code != NM_CUSTOMDRAW) break;
      const SkinnedWindow* from = FindSkinned(header->hwndFrom);
      if (from == nullptr || from->kind != WindowKind::ListView) break;
      // A program that draws its own rows keeps doing so.
      const LRESULT own = PassOn(hwnd, message, wParam, lParam);
      if (own != CDRF_DODEFAULT || FindSkinned(header->hwndFrom) == nullptr) return own;
      const Theme* still = CurrentTheme();
      return still != nullptr ? ListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), *still)
                              : own;
    }
    case WM_NCPAINT: {
      // The system paints what it still owns (menu bar, scroll bars) first.
      HRGN rest = RegionLeftToDefault(hwnd, reinterpret_cast<HRGN>(wParam));
      const LRESULT result =
          PassOn(hwnd, message, rest != nullptr ? reinterpret_cast<WPARAM>(rest) : wParam, lParam);
      if (rest != nullptr) DeleteObject(rest);
      if (FindSkinned(hwnd) == &window && CurrentTheme() != nullptr) {
        PaintCaption(hwnd, window, *CurrentTheme());
      }
      return result;
    }
    case WM_NCACTIVATE:
      window.active = wParam != FALSE;
      return PassOnThenRepaint(hwnd, message, wParam, lParam);
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_SYSCOMMAND:
    case WM_ENABLE:
    case WM_STYLECHANGED:
      return PassOnThenRepaint(hwnd, message, wParam, lParam);
    case WM_NCMOUSEMOVE:
      SetCaptionHot(hwnd, window, IsCaptionButton(wParam) ? static_cast<int>(wParam) : HTNOWHERE,
                    *theme);
      break;
    case WM_NCMOUSELEAVE:
      window.trackingCaption = false;
      SetCaptionHot(hwnd, window, HTNOWHERE, *theme);
      break;
    case WM_MOUSEMOVE:
      if (window.captionHot != HTNOWHERE) SetCaptionHot(hwnd, window, HTNOWHERE, *theme);
      break;
  }
  return PassOn(hwnd, message, wParam, lParam);
}
