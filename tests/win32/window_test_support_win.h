#pragma once
// Driving the program's real windows from a test in the same process: the
// message pump with the program's own key handling, and real keyboard and
// mouse input through SendInput.

#include <windows.h>

#include <functional>
#include <string>

// Runs the program's message handling for `ms` milliseconds.
void PumpFor(int ms);
// Runs it until `done` holds or `timeoutMs` passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Takes any quit message out of the queue; true when there was one, with its code.
bool TakeQuitMessage(int* exitCode = nullptr);

// A key press and release, with modifiers held (VK_CONTROL, VK_SHIFT, VK_MENU).
void PressKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {}, bool extended = false);
void KeyDown(WORD virtualKey, bool extended = false);
void KeyUp(WORD virtualKey, bool extended = false);
void TypeText(const std::string& ascii);

// Mouse buttons at a point in screen coordinates.
void ClickAt(POINT screen, bool right = false);
void MoveMouseTo(POINT screen);
void MouseButton(POINT screen, bool right, bool down);
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

// Class name, window text and rectangle in the parent's client coordinates.
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
RECT RectInParent(HWND hwnd);
