#pragma once
// The report list view: its own subclass (background, header) is in
// ListViewProc; its rows are coloured through the custom draw notifications
// that the list sends to its parent, handled here for a skinned parent.

#include <windows.h>

#include <commctrl.h>

#include "skinengine/theme_win.h"

LRESULT ListCustomDraw(NMLVCUSTOMDRAW* draw, const Theme& theme);
