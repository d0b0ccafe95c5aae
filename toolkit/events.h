#pragma once
// Events are wired from a table to plain handler procedures. A handler returns
// nothing; the window message that raised the event then takes its course.

#include <cstdint>

struct ToolkitWindow;

enum class EventKind { Created, Clicked, KeyDown, LeftButtonDown, RightClick, Selected };

struct EventArgs {
  ToolkitWindow* window = nullptr;  // the window whose table raised the event
  int32_t keyCode = 0;              // key down
  int32_t modifiers = 0;            // key down, mouse: 1 Ctrl + 2 Shift + 4 Alt
  int32_t x = 0, y = 0;             // mouse: in the control's client coordinates
};

using EventHandler = void (*)(const EventArgs&);

// The window's own events (created) have this source.
constexpr const char kThisWindow[] = "";

struct EventBinding {
  const char* source;  // a control's or menu entry's name, or kThisWindow
  EventKind kind;
  EventHandler handler;
};
