#include "skinengine/window_kind_win.h"

bool HasClass(HWND hwnd, const char* className) {
  char name[64] = {};
  if (GetClassNameA(hwnd, name, sizeof(name)) == 0) return false;
  return lstrcmpiA(name, className) == 0;
}

bool IsPushButtonStyle(LONG style) {
  const LONG type = style & BS_TYPEMASK;
  // Picture buttons carry their own look; keep the system's drawing for them.
  return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
         (style & (BS_BITMAP | BS_ICON)) == 0;
}

WindowKind ClassifyWindow(HWND hwnd, LONG style) {
  if ((style & WS_CHILD) == 0) {
    // Windows with a caption bar: the program's own windows, dialogs and
    // message boxes. Menus, tooltips and other captionless popups stay as
    // they are.
    if ((style & WS_CAPTION) == WS_CAPTION && !HasClass(hwnd, "#32768"))
      return WindowKind::TopLevel;
    return WindowKind::None;
  }
  if (HasClass(hwnd, "Button"))
    return IsPushButtonStyle(style) ? WindowKind::PushButton : WindowKind::None;
  if (HasClass(hwnd, "Edit")) return WindowKind::Edit;
  if (HasClass(hwnd, "SysListView32")) return WindowKind::ListView;
  return WindowKind::None;
}
