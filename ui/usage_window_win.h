#pragma once
#include "toolkit/window_win.h"

// The tips window "温馨提示：": modeless, without owner, at most one.
extern const WindowDescription kUsageWindow;

// Shows the tips window, or brings back the open one: restored when
// minimised, else activated.
void ShowUsageWindow();
