#pragma once
// The windows of the program at run time: built from their descriptions, with
// their events wired from a table.

#include <windows.h>

#include <vector>

#include "base/text.h"
#include "toolkit/events.h"
#include "toolkit/focus_order.h"
#include "toolkit/window_description.h"

struct ToolkitWindow {
  const WindowDescription* description = nullptr;
  const EventBinding* events = nullptr;
  int eventCount = 0;
  HWND hwnd = nullptr;
  std::vector<HWND> controls;     // in control order
  std::vector<bool> menuVisible;  // the menu entries' visibility now
  HWND savedFocus = nullptr;      // the control that had the focus at deactivation
};

// Creates the window hidden with its menu bar, then its controls, and raises
// its created event. Null when the window could not be created.
ToolkitWindow* LoadWindow(const WindowDescription& description, const EventBinding* events,
                          int eventCount);

// Shows the window and makes it the active one.
void ShowAndActivate(ToolkitWindow* window);

// The open window built from `description`, or null.
ToolkitWindow* FindOpenWindow(const WindowDescription& description);
// The record of one of the program's windows, or of the window a control is on.
ToolkitWindow* WindowRecordOf(HWND hwnd);

// The focus stops in focus order (control indices), and the first of them (-1: none).
std::vector<int> FocusStopOrderOf(const ToolkitWindow& window);
int FirstFocusStop(const ToolkitWindow& window);

HWND ControlHandle(const ToolkitWindow* window, const char* name);
// The index of a control in the control order, -1 when it is not one.
int ControlIndex(const ToolkitWindow* window, HWND control);
Text WindowText(HWND hwnd);

// Changes a menu entry's visibility and rebuilds the menu bar without the
// invisible menus; with no visible top-level menu the window has no menu bar.
void SetMenuEntryVisible(ToolkitWindow* window, const char* name, bool visible);
// The index of a menu entry in the definition, -1 when there is none.
int MenuEntryIndex(const ToolkitWindow* window, const char* name);

// Raises an event of a control, menu entry or the window on the window's table.
void RaiseEvent(ToolkitWindow* window, const char* source, EventKind kind, EventArgs args);

// Command numbers of menu entries: kMenuCommandBase + the entry's index.
constexpr UINT kMenuCommandBase = 0x8000;

// True while one of the program's windows is open.
bool AnyWindowOpen();
