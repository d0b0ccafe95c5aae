#pragma once
// The non-client area of a skinned top-level window: where the frame, the
// caption and its buttons lie, and how they are drawn. The places follow the
// system's own metrics, so the default hit test (HTCLOSE and the others)
// keeps matching what is drawn and the client area keeps its size.

#include <windows.h>

#include "skinengine/engine_win.h"
#include "skinengine/theme_win.h"

struct CaptionLayout {
  bool valid = false;  // false: no caption bar to draw (iconic, captionless)
  RECT window{};       // the whole window, in window coordinates
  int frame = 0;       // thickness of the frame on every side
  RECT caption{};      // the caption bar, in window coordinates
  RECT icon{};         // empty when there is no icon
  RECT close{};        // empty when absent
  RECT maximize{};
  RECT minimize{};
};

CaptionLayout LayOutCaption(HWND hwnd);

// Paints frame and caption through the window DC.
void PaintCaption(HWND hwnd, const SkinnedWindow& window, const Theme& theme);

// The part of a WM_NCPAINT update region (1 = everything) that the default
// painting may still draw: the menu bar and the scroll bars, never the frame
// and the caption that the engine paints. Screen coordinates; caller owns it.
HRGN RegionLeftToDefault(HWND hwnd, HRGN update);
