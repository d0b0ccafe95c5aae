#pragma once
// The sunken edge or thin border the system draws around an edit box or a
// list, drawn over in the skin's colours: an outline (the accent colour while
// the control has the focus), the rest of the edge in the control's own
// background colour. The edge keeps its thickness, so nothing moves.

#include <windows.h>

#include "skinengine/theme_win.h"

void PaintControlBorder(HWND hwnd, const Theme& theme, ColorRole background);
