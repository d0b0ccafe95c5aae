#include "skinengine/tests/test_window_win.h"

#include <algorithm>

namespace {

const char kWindowClass[] = "SkinEngineTestWindow";
const char kTransparentClass[] = "SkinEngineTestTransparentLabel";

// Like the program's self-drawn labels: the parent's background under it, by
// WM_ERASEBKGND on the label's own DC moved into the parent's coordinates,
// then black text.
LRESULT CALLBACK TransparentLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      const HWND parent = GetParent(hwnd);
      POINT origin = {0, 0};
      MapWindowPoints(hwnd, parent, &origin, 1);
      const int saved = SaveDC(dc);
      SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
      SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      RestoreDC(dc, saved);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      RECT client;
      GetClientRect(hwnd, &client);
      DrawTextA(dc, "Tips", -1, &client, DT_LEFT | DT_NOPREFIX);
      EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(
          hwnd, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_COMMAND:
      if (self != nullptr && HIWORD(wParam) == BN_CLICKED &&
          reinterpret_cast<HWND>(lParam) == self->button) {
        ++self->clicks;
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (self != nullptr && header->hwndFrom == self->list && header->code == NM_RCLICK) {
        ++self->rightClicks;
      }
      break;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = TransparentLabelProc;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kTransparentClass;
  RegisterClassA(&wc);
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y,
           int w, int h) {
  const HWND hwnd = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                    parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return hwnd;
}

}  // namespace

TestWindow* CreateTestWindow(int x, int y) {
  RegisterClasses();
  auto* w = new TestWindow();
  w->window = CreateWindowExA(0, kWindowClass, "Skin test", WS_OVERLAPPEDWINDOW, x, y, 420, 330,
                              nullptr, nullptr, GetModuleHandleA(nullptr), w);
  w->edit = Child(w->window, "Edit", "12345", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10, 10,
                  150, 22);
  w->button = Child(w->window, "Button", "Fetch", WS_TABSTOP | BS_PUSHBUTTON, 0, 170, 8, 80, 26);
  w->label = Child(w->window, "Static", "QQ number:", SS_LEFT, 0, 260, 12, 90, 18);
  w->transparentLabel =
      Child(w->window, kTransparentClass, "", 0, WS_EX_TRANSPARENT, 10, 40, 120, 18);
  w->list = Child(w->window, WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                  WS_EX_CLIENTEDGE, 10, 64, 380, 200);
  ListView_SetExtendedListViewStyle(w->list,
                                    LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  ListView_SetTextColor(w->list, kListText);
  ListView_SetBkColor(w->list, kListBack);
  ListView_SetTextBkColor(w->list, kListBack);
  const char* headers[] = {"No.", "Name", "Address"};
  const int widths[] = {50, 150, 150};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(headers[i]);
    column.cx = widths[i];
    ListView_InsertColumn(w->list, i, &column);
  }
  for (int row = 0; row < 3; ++row) {
    char number[8];
    wsprintfA(number, "%d", row + 1);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = number;
    ListView_InsertItem(w->list, &item);
    ListView_SetItemText(w->list, row, 1, const_cast<char*>("Song - Singer"));
    ListView_SetItemText(w->list, row, 2, const_cast<char*>("http://example.com/a.mp3"));
  }
  ShowWindow(w->window, SW_SHOW);
  SetForegroundWindow(w->window);
  SetFocus(w->button);
  Settle(w->window);
  return w;
}

void DestroyTestWindow(TestWindow* window) {
  if (window == nullptr) return;
  if (IsWindow(window->window)) DestroyWindow(window->window);
  PumpMessages(nullptr, 20);
  delete window;
}

void PumpMessages(HWND dialogKeysFor, int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (dialogKeysFor != nullptr && IsDialogMessageA(dialogKeysFor, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (static_cast<int>(end - GetTickCount()) <= 0) break;
    Sleep(5);
  }
}

void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages(nullptr, 150);
  GdiFlush();
}

Capture CaptureWindow(HWND window) {
  Capture capture;
  RECT r;
  GetWindowRect(window, &r);
  capture.width = r.right - r.left;
  capture.height = r.bottom - r.top;
  const HDC source = GetWindowDC(window);
  const HDC memory = CreateCompatibleDC(source);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  capture.pixels.assign(p, p + capture.width * capture.height);
  for (std::uint32_t& px : capture.pixels) px &= 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return capture;
}

RECT ChildRect(HWND window, HWND child) {
  RECT outer, r;
  GetWindowRect(window, &outer);
  GetWindowRect(child, &r);
  OffsetRect(&r, -outer.left, -outer.top);
  return r;
}

int DifferingPixels(const Capture& a, const Capture& b, const RECT& area) {
  if (a.width != b.width || a.height != b.height) return area.right * area.bottom;
  int count = 0;
  for (int y = std::max<LONG>(0, area.top); y < std::min<LONG>(a.height, area.bottom); ++y) {
    for (int x = std::max<LONG>(0, area.left); x < std::min<LONG>(a.width, area.right); ++x) {
      if (a.at(x, y) != b.at(x, y)) ++count;
    }
  }
  return count;
}

std::uint32_t Rgb(COLORREF c) {
  return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}
