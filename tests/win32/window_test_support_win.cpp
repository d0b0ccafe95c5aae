#include "window_test_support_win.h"

#include <vector>

#include "toolkit/message_loop_win.h"

namespace {

void SendKeyInput(WORD vk, bool up, bool extended) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &input, sizeof(input));
}

// Mouse input at an absolute point, so that it never lands where the pointer
// was before a move that the display has not caught up with.
void SendMouse(DWORD flags, POINT screen) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
  input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
}

}  // namespace

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // Leave it for TakeQuitMessage.
        PostQuitMessage(static_cast<int>(message.wParam));
        if (done()) return true;
        Sleep(5);
        break;
      }
      if (TranslateWindowKeys(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool TakeQuitMessage(int* exitCode) {
  MSG message;
  bool found = false;
  while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    found = true;
    if (exitCode != nullptr) *exitCode = static_cast<int>(message.wParam);
  }
  return found;
}

void KeyDown(WORD vk, bool extended) { SendKeyInput(vk, false, extended); }
void KeyUp(WORD vk, bool extended) { SendKeyInput(vk, true, extended); }

void PressKey(WORD vk, std::initializer_list<WORD> modifiers, bool extended) {
  for (WORD m : modifiers) KeyDown(m);
  KeyDown(vk, extended);
  KeyUp(vk, extended);
  std::vector<WORD> held(modifiers);
  for (auto it = held.rbegin(); it != held.rend(); ++it) KeyUp(*it);
}

void TypeText(const std::string& ascii) {
  for (char c : ascii) {
    const SHORT scan = VkKeyScanA(c);
    const bool shift = (scan >> 8) & 1;
    if (shift) {
      PressKey(LOBYTE(scan), {VK_SHIFT});
    } else {
      PressKey(LOBYTE(scan));
    }
  }
}

void MoveMouseTo(POINT screen) {
  SendMouse(0, screen);
  PumpUntil(
      [&] {
        POINT now;
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      500);
}

void MouseButton(POINT screen, bool right, bool down) {
  SendMouse(right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                  : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP),
            screen);
}

void ClickAt(POINT screen, bool right) {
  MoveMouseTo(screen);
  MouseButton(screen, right, true);
  MouseButton(screen, right, false);
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

std::string ClassOf(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

std::string TextOf(HWND hwnd) {
  char text[1024] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

RECT RectInParent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
