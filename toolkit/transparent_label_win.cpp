#include "toolkit/transparent_label_win.h"

#include <windows.h>

#include "toolkit/key_codes.h"
#include "toolkit/window_description.h"
#include "toolkit/window_win.h"

const char kTransparentLabelClass[] = "ToolkitTransparentLabel";

namespace {

// Window extra bytes: the label's properties and its font.
constexpr int kPropertiesSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);

const LabelProperties* PropertiesOf(HWND hwnd) {
  return reinterpret_cast<const LabelProperties*>(GetWindowLongPtrA(hwnd, kPropertiesSlot));
}

// The parent's background under the label, as the parent erases it, leaving
// out the siblings that lie below the label so that they stay visible.
void PaintWhatLiesUnder(HWND hwnd, HDC dc) {
  const HWND parent = GetParent(hwnd);
  if (parent == nullptr) return;
  const int saved = SaveDC(dc);
  RECT own;
  GetWindowRect(hwnd, &own);
  for (HWND below = GetWindow(hwnd, GW_HWNDNEXT); below != nullptr;
       below = GetWindow(below, GW_HWNDNEXT)) {
    if (!IsWindowVisible(below)) continue;
    RECT r;
    GetWindowRect(below, &r);
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &own)) continue;
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&overlap), 2);
    ExcludeClipRect(dc, overlap.left, overlap.top, overlap.right, overlap.bottom);
  }
  POINT origin = {0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  PaintWhatLiesUnder(hwnd, dc);
  const LabelProperties* p = PropertiesOf(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  const HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kFontSlot));
  const HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const Text caption = WindowText(hwnd);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
            p != nullptr ? p->textFormat : DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TransparentLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, kPropertiesSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // painted together with the caption
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_SETFONT:
      SetWindowLongPtrA(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(hwnd, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        const LabelProperties* p = PropertiesOf(hwnd);
        SetCursor(LoadCursor(nullptr, p != nullptr && p->handCursor ? IDC_HAND : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      if (ToolkitWindow* window = WindowRecordOf(hwnd)) {
        const int index = ControlIndex(window, hwnd);
        if (index >= 0) {
          EventArgs args;
          args.x = static_cast<short>(LOWORD(lParam));
          args.y = static_cast<short>(HIWORD(lParam));
          args.modifiers = ModifierState((wParam & MK_CONTROL) != 0, (wParam & MK_SHIFT) != 0,
                                         GetKeyState(VK_MENU) < 0);
          RaiseEvent(window, window->description->controls[index].name, EventKind::LeftButtonDown,
                     args);
        }
      }
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void EnsureTransparentLabelClass() {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kTransparentLabelClass, &existing)) return;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = TransparentLabelProc;
  wc.cbWndExtra = 2 * sizeof(LONG_PTR);
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = nullptr;  // chosen per label in WM_SETCURSOR
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kTransparentLabelClass;
  RegisterClassExA(&wc);
}
