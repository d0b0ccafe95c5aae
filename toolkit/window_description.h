#pragma once
// A window is described by data: its properties, its controls in control order
// (which is also their stacking order, the first on top) and its menu
// definition. The builder turns a description into windows; nothing else
// creates or moves a control.

#include <cstdint>

enum class ControlKind { PushButton, EditBox, StaticLabel, TransparentLabel, ReportList };

struct ListColumn {
  const char* title;
  int width;
  int format;  // LVCFMT_* alignment
};

struct ListProperties {
  uint32_t extendedStyle;  // LVS_EX_*
  uint32_t textColor;      // COLORREF values
  uint32_t textBackColor;
  uint32_t backColor;
  const ListColumn* columns;
  int columnCount;
};

// How a transparent label draws its caption.
struct LabelProperties {
  uint32_t textFormat;  // DT_* flags
  bool handCursor;      // the hand while the pointer is over it, else the arrow
};

struct ControlDescription {
  ControlKind kind;
  const char* name;
  const char* caption;
  int left, top, width, height;  // client coordinates of the window
  bool focusStop;
  int tabOrder;
  bool visible;
  bool enabled;
  uint32_t style;    // WS_* and class styles besides WS_CHILD, WS_VISIBLE, WS_DISABLED
  uint32_t exStyle;  // WS_EX_*
  const ListProperties* list;    // report lists only
  const LabelProperties* label;  // transparent labels only
};

// One entry of a menu definition: level 0 is a top-level menu, level 1 an item
// of the top-level menu before it. A caption "-" is a separator.
struct MenuEntry {
  const char* name;
  const char* caption;
  int level;
  bool visible;
  bool enabled;
  bool ticked;
  const char* shortcutName;  // shown after a tab; "" for none
};

struct WindowDescription {
  const char* className;
  const char* title;
  int outerWidth, outerHeight;  // frame and caption included; centred on the screen
  uint32_t style;
  uint32_t exStyle;
  const char* iconGroup;  // icon group resource of the program
  const ControlDescription* controls;
  int controlCount;
  const MenuEntry* menu;
  int menuEntryCount;
};
