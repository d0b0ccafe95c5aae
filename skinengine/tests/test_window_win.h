#pragma once
// A test window shaped like the program's main window: a push button, an edit
// box, a static label, a self-drawn transparent label and a report list view
// with check boxes and grid lines, plus what the window saw of its controls.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <vector>

struct TestWindow {
  HWND window = nullptr;
  HWND button = nullptr;
  HWND edit = nullptr;
  HWND label = nullptr;
  HWND transparentLabel = nullptr;
  HWND list = nullptr;
  int clicks = 0;       // BN_CLICKED from the button
  int rightClicks = 0;  // NM_RCLICK from the list
};

// Creates, shows and paints the window at (x, y) on the screen.
TestWindow* CreateTestWindow(int x, int y);
void DestroyTestWindow(TestWindow* window);

// The colours the test program sets on its list and expects to read back.
constexpr COLORREF kListText = RGB(10, 20, 30);
constexpr COLORREF kListBack = RGB(250, 251, 252);

// Runs the message loop (with dialog keys) until the queue has stayed empty
// for a moment, after asking for a complete repaint.
void Settle(HWND window);
void PumpMessages(HWND dialogKeysFor, int milliseconds);

struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top down
  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
};

// The whole window, non-client area included, as it is on the screen.
Capture CaptureWindow(HWND window);

// A rectangle of `child` (its whole window) in `capture`'s window coordinates.
RECT ChildRect(HWND window, HWND child);

// How many pixels of `area` differ between two captures of one window.
int DifferingPixels(const Capture& a, const Capture& b, const RECT& area);

std::uint32_t Rgb(COLORREF c);
