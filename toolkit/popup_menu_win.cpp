#include "toolkit/popup_menu_win.h"

#include "toolkit/menu_win.h"

void PopUpMenuAtPointer(ToolkitWindow* owner, const char* menuName, std::optional<int> x,
                        std::optional<int> y) {
  const int index = MenuEntryIndex(owner, menuName);
  if (index < 0 || owner->description->menu[index].level != 0) return;
  MenuHandle popup(BuildPopupMenu(*owner, index));
  if (popup.get() == nullptr) return;
  POINT at;
  GetCursorPos(&at);
  at.x += 3;
  at.y += 3;
  if (x) at.x = *x;
  if (y) at.y = *y;
  // Without TPM_RETURNCMD the chosen item's command is posted to the owner,
  // so its event runs after the popup has closed.
  TrackPopupMenu(popup.get(), TPM_RIGHTBUTTON, at.x, at.y, 0, owner->hwnd, nullptr);
}
