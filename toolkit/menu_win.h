#pragma once
#include <windows.h>

#include "toolkit/window_win.h"

// A menu bar with the visible top-level menus of the window's definition.
HMENU BuildMenuBar(const ToolkitWindow& window);
// A popup menu with the items of top-level menu `menuIndex`, whatever the
// visibility of that menu itself; null when it has no items.
HMENU BuildPopupMenu(const ToolkitWindow& window, int menuIndex);

// Owns a menu handle.
class MenuHandle {
 public:
  explicit MenuHandle(HMENU menu = nullptr) : menu_(menu) {}
  ~MenuHandle() {
    if (menu_ != nullptr) DestroyMenu(menu_);
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;
  HMENU get() const { return menu_; }
  HMENU release() {
    HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
  }

 private:
  HMENU menu_;
};
