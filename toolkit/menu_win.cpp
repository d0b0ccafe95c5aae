#include "toolkit/menu_win.h"

#include <cstring>
#include <string>

namespace {

// Appends the items that follow top-level entry `menuIndex`, up to the next
// top-level entry; invisible items are left out.
int AppendItems(HMENU menu, const ToolkitWindow& window, int menuIndex) {
  const WindowDescription& d = *window.description;
  int appended = 0;
  for (int i = menuIndex + 1; i < d.menuEntryCount && d.menu[i].level > 0; ++i) {
    if (!window.menuVisible[i]) continue;
    const MenuEntry& entry = d.menu[i];
    if (std::strcmp(entry.caption, "-") == 0) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      std::string caption = entry.caption;
      if (entry.shortcutName[0] != '\0') caption += std::string("\t") + entry.shortcutName;
      UINT flags = MF_STRING;
      if (!entry.enabled) flags |= MF_GRAYED;
      if (entry.ticked) flags |= MF_CHECKED;
      AppendMenuA(menu, flags, kMenuCommandBase + i, caption.c_str());
    }
    ++appended;
  }
  return appended;
}

}  // namespace

HMENU BuildMenuBar(const ToolkitWindow& window) {
  const WindowDescription& d = *window.description;
  MenuHandle bar(CreateMenu());
  int menus = 0;
  for (int i = 0; i < d.menuEntryCount; ++i) {
    if (d.menu[i].level != 0 || !window.menuVisible[i]) continue;
    MenuHandle popup(CreatePopupMenu());
    AppendItems(popup.get(), window, i);
    UINT flags = MF_POPUP | MF_STRING;
    if (!d.menu[i].enabled) flags |= MF_GRAYED;
    AppendMenuA(bar.get(), flags, reinterpret_cast<UINT_PTR>(popup.release()), d.menu[i].caption);
    ++menus;
  }
  return menus > 0 ? bar.release() : nullptr;
}

HMENU BuildPopupMenu(const ToolkitWindow& window, int menuIndex) {
  MenuHandle popup(CreatePopupMenu());
  return AppendItems(popup.get(), window, menuIndex) > 0 ? popup.release() : nullptr;
}
