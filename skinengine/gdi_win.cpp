#include "skinengine/gdi_win.h"

COLORREF MixColor(COLORREF a, COLORREF b, int percent) {
  auto channel = [percent](int x, int y) { return (x * (100 - percent) + y * percent + 50) / 100; };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

Canvas::Canvas(HDC like, int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) return;
  dc_ = CreateCompatibleDC(like);
  if (dc_ == nullptr) return;
  bitmap_ = Bitmap(CreateCompatibleBitmap(like, width, height));
  if (bitmap_) oldBitmap_ = SelectObject(dc_, bitmap_.get());
}

Canvas::~Canvas() {
  if (dc_ == nullptr) return;
  if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
  DeleteDC(dc_);
}

void Canvas::CopyTo(HDC target, int x, int y) const {
  if (ok()) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  // ExtTextOut with ETO_OPAQUE fills without a brush to create.
  const COLORREF old = SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
  const int height = rect.bottom - rect.top;
  if (height <= 0) return;
  for (int row = 0; row < height; ++row) {
    const int percent = height > 1 ? row * 100 / (height - 1) : 0;
    const RECT line = {rect.left, rect.top + row, rect.right, rect.top + row + 1};
    FillSolid(dc, line, MixColor(top, bottom, percent));
  }
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width) {
  Pen pen(CreatePen(PS_SOLID, width, color));
  if (!pen) return;
  const HGDIOBJ old = SelectObject(dc, pen.get());
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
}
