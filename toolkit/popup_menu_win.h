#pragma once
#include <optional>

#include "toolkit/window_win.h"

// Pops up the items of top-level menu `menuName` of the window's menu
// definition at the mouse pointer plus 3, 3 (a given x or y replaces the one
// so found), whatever that menu's visibility. Returns when the popup has
// closed; a chosen item's selected event follows as its own message.
void PopUpMenuAtPointer(ToolkitWindow* owner, const char* menuName,
                        std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt);
