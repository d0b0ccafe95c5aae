// The subclass of an edit box: the engine draws its outline over the system's
// border (accent colour while it has the focus); background and text colours
// come from the parent's WM_CTLCOLOR* answer.

#include <windows.h>

#include <commctrl.h>

#include "skinengine/control_border_win.h"
#include "skinengine/engine_win.h"
#include "skinengine/subclass_procs_win.h"

namespace {

void PaintBorderIfOurs(HWND hwnd) {
  if (FindSkinned(hwnd) != nullptr && CurrentTheme() != nullptr) {
    PaintControlBorder(hwnd, *CurrentTheme(), ColorRole::Edit);
  }
}

}  // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  switch (message) {
    case WM_NCDESTROY:
      return EndSkinning(hwnd, message, wParam, lParam);
    case WM_NCPAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_STYLECHANGED: {
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      PaintBorderIfOurs(hwnd);
      return result;
    }
  }
  return PassOn(hwnd, message, wParam, lParam);
}
