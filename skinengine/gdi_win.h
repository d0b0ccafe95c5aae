#pragma once
// Small owners for the GDI handles the engine draws with, and colour arithmetic.

#include <windows.h>

// Mixes percent of b into a.
COLORREF MixColor(COLORREF a, COLORREF b, int percent);

// Any GDI object (brush, pen, font, bitmap, region), deleted on destruction.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.release();
    }
    return *this;
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }
  void reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// A window DC (GetWindowDC) or client DC (GetDC), released on destruction.
class WindowDc {
 public:
  enum Area { Client, Whole };
  WindowDc(HWND hwnd, Area area)
      : hwnd_(hwnd), dc_(area == Whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// An off-screen bitmap of a given size to draw into and then copy out in one
// go, so that a control never shows half of its new look.
class Canvas {
 public:
  Canvas(HDC like, int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  bool ok() const { return dc_ != nullptr && bitmap_; }
  HDC dc() const { return dc_; }
  void CopyTo(HDC target, int x, int y) const;

 private:
  HDC dc_ = nullptr;
  Bitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_;
  int height_;
};

// Restores a DC's selected objects and settings when it goes out of scope.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF color);
// Fills top to bottom from one colour to the other, one row at a time.
void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1);
