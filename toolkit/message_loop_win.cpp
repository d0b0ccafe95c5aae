#include "toolkit/message_loop_win.h"

#include "toolkit/window_win.h"

namespace {

// The control of `window` that holds `hwnd` (a control can have children of its own).
int ControlHolding(const ToolkitWindow* window, HWND hwnd) {
  for (HWND h = hwnd; h != nullptr && h != window->hwnd; h = GetParent(h)) {
    const int index = ControlIndex(window, h);
    if (index >= 0) return index;
  }
  return -1;
}

void MoveFocus(ToolkitWindow* window, bool backwards) {
  const int current = ControlHolding(window, GetFocus());
  const int next = NextFocusStop(FocusStopOrderOf(*window), current, backwards);
  if (next >= 0) SetFocus(window->controls[next]);
}

}  // namespace

bool TranslateWindowKeys(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  ToolkitWindow* window = WindowRecordOf(message.hwnd);
  if (window == nullptr) return false;
  switch (message.wParam) {
    case VK_ESCAPE:
      PostMessageA(window->hwnd, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:
      MoveFocus(window, GetKeyState(VK_SHIFT) < 0);
      return true;
    default:
      return false;
  }
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (TranslateWindowKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}
