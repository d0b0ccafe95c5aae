#include "ui/usage_window_win.h"

#include <windows.h>

#include "ui/usage_text.h"

namespace {

const LabelProperties kTextLabel = {DT_LEFT | DT_WORDBREAK | DT_NOPREFIX, false};

const ControlDescription kControls[] = {
    // kind, name, caption, left, top, width, height, focus stop, tab order, visible, enabled,
    // style, extended style, list, label
    {ControlKind::TransparentLabel, "透明标签1", kUsageText, 24, 8, 296, 184, false, 0, true, true,
     0, WS_EX_TRANSPARENT, nullptr, &kTextLabel},
};

}  // namespace

const WindowDescription kUsageWindow = {
    "LiraboMelvoranUsageWindow",
    "温馨提示：",
    349,
    229,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
    0,
    "DEFAULT_ICON",
    kControls,
    1,
    nullptr,
    0,
};

void ShowUsageWindow() {
  if (ToolkitWindow* open = FindOpenWindow(kUsageWindow)) {
    if (IsIconic(open->hwnd)) {
      ShowWindow(open->hwnd, SW_RESTORE);
    } else {
      SetForegroundWindow(open->hwnd);
      SetActiveWindow(open->hwnd);
    }
    return;
  }
  if (ToolkitWindow* window = LoadWindow(kUsageWindow, nullptr, 0)) ShowAndActivate(window);
}
