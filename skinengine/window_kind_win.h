#pragma once
// Which windows the engine draws, decided from class and style alone.

#include <windows.h>

#include "skinengine/engine_win.h"

WindowKind ClassifyWindow(HWND hwnd, LONG style);

bool IsPushButtonStyle(LONG style);
bool HasClass(HWND hwnd, const char* className);
