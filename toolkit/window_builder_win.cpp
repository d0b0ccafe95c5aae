// Builds windows from their descriptions and routes their messages to events.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "toolkit/key_codes.h"
#include "toolkit/menu_win.h"
#include "toolkit/transparent_label_win.h"
#include "toolkit/window_win.h"

namespace {

struct WindowEntry {
  std::unique_ptr<ToolkitWindow> window;
  bool loaded = false;  // completely built; only these count as open
};

std::vector<WindowEntry>& Windows() {
  static std::vector<WindowEntry> windows;
  return windows;
}

constexpr UINT_PTR kKeySubclassId = 1;
constexpr int kControlIdBase = 1000;

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

const char* ClassNameOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton: return "Button";
    case ControlKind::EditBox: return "Edit";
    case ControlKind::StaticLabel: return "Static";
    case ControlKind::TransparentLabel: return kTransparentLabelClass;
    case ControlKind::ReportList: return WC_LISTVIEWA;
  }
  return "Static";
}

bool HasBinding(const ToolkitWindow& window, const char* source, EventKind kind) {
  for (int i = 0; i < window.eventCount; ++i) {
    if (window.events[i].kind == kind && std::strcmp(window.events[i].source, source) == 0) {
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK KeyDownSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ToolkitWindow* window = WindowRecordOf(hwnd)) {
        const int index = ControlIndex(window, hwnd);
        if (index >= 0) {
          EventArgs args;
          args.keyCode = EventKeyCode(static_cast<uint32_t>(wParam));
          args.modifiers = ModifierState(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
                                         GetKeyState(VK_MENU) < 0);
          RaiseEvent(window, window->description->controls[index].name, EventKind::KeyDown, args);
        }
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, KeyDownSubclassProc, id);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void SetUpList(HWND list, const ListProperties& p) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, p.extendedStyle, p.extendedStyle);
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, p.textColor);
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, p.textBackColor);
  SendMessageA(list, LVM_SETBKCOLOR, 0, p.backColor);
  for (int i = 0; i < p.columnCount; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = p.columns[i].format;
    column.cx = p.columns[i].width;
    column.pszText = const_cast<char*>(p.columns[i].title);
    column.iSubItem = i;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

HWND CreateControl(ToolkitWindow& window, int index) {
  const ControlDescription& c = window.description->controls[index];
  DWORD style = WS_CHILD | c.style;
  if (!c.enabled) style |= WS_DISABLED;
  void* createParam =
      c.kind == ControlKind::TransparentLabel ? const_cast<LabelProperties*>(c.label) : nullptr;
  HWND control = CreateWindowExA(c.exStyle, ClassNameOf(c.kind), c.caption, style, c.left, c.top,
                                 c.width, c.height, window.hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + index)),
                                 GetModuleHandleA(nullptr), createParam);
  if (control == nullptr) return nullptr;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  if (c.kind == ControlKind::ReportList && c.list != nullptr) SetUpList(control, *c.list);
  // The platform's own maximum is the only limit on the text typed.
  if (c.kind == ControlKind::EditBox) SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
  if (HasBinding(window, c.name, EventKind::KeyDown)) {
    SetWindowSubclass(control, KeyDownSubclassProc, kKeySubclassId, 0);
  }
  return control;
}

void RestoreFocus(ToolkitWindow& window);

LRESULT CALLBACK ToolkitWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* window = static_cast<ToolkitWindow*>(create->lpCreateParams);
    window->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<ToolkitWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_COMMAND: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (control != nullptr) {
        const int index = ControlIndex(window, control);
        if (index >= 0 && HIWORD(wParam) == BN_CLICKED) {
          RaiseEvent(window, window->description->controls[index].name, EventKind::Clicked, {});
        }
      } else if (LOWORD(wParam) >= kMenuCommandBase) {
        const int entry = LOWORD(wParam) - kMenuCommandBase;
        if (entry < window->description->menuEntryCount) {
          RaiseEvent(window, window->description->menu[entry].name, EventKind::Selected, {});
        }
      }
      break;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      const int index = ControlIndex(window, header->hwndFrom);
      if (index >= 0 && header->code == static_cast<UINT>(NM_RCLICK)) {
        RaiseEvent(window, window->description->controls[index].name, EventKind::RightClick, {});
      }
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) window->savedFocus = focus;
        return 0;
      }
      if (!HIWORD(wParam)) {  // not minimised
        RestoreFocus(*window);
        if (GetFocus() != nullptr && IsChild(hwnd, GetFocus())) return 0;
      }
      break;
    case WM_SETFOCUS:
      // The window itself got the focus (restored, say): pass it on to a control.
      RestoreFocus(*window);
      return 0;
    case WM_DESTROY: {
      auto& windows = Windows();
      for (auto& entry : windows) {
        if (entry.window.get() == window) entry.loaded = false;
      }
      if (!AnyWindowOpen()) PostQuitMessage(0);
      break;
    }
    case WM_NCDESTROY: {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      auto& windows = Windows();
      windows.erase(std::remove_if(windows.begin(), windows.end(),
                                   [&](const WindowEntry& e) { return e.window.get() == window; }),
                    windows.end());
      break;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// At activation the control that had the focus gets it back; the first time,
// or when that control is gone, the first focus stop gets it.
void RestoreFocus(ToolkitWindow& window) {
  HWND target = window.savedFocus;
  if (target == nullptr || !IsWindow(target) || !IsChild(window.hwnd, target) ||
      !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    target = nullptr;
    const int first = FirstFocusStop(window);
    if (first >= 0) target = window.controls[first];
  }
  if (target != nullptr && GetFocus() != target) SetFocus(target);
}

bool RegisterWindowClass(const WindowDescription& d) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, d.className, &existing)) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ToolkitWindowProc;
  wc.hInstance = instance;
  wc.hIcon = static_cast<HICON>(LoadImageA(instance, d.iconGroup, IMAGE_ICON, 32, 32, 0));
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, d.iconGroup, IMAGE_ICON, 16, 16, 0));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = d.className;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

int FirstFocusStop(const ToolkitWindow& window) {
  const int next = NextFocusStop(FocusStopOrderOf(window), -1, false);
  return next;
}

std::vector<int> FocusStopOrderOf(const ToolkitWindow& window) {
  std::vector<FocusCandidate> candidates;
  const WindowDescription& d = *window.description;
  for (int i = 0; i < d.controlCount && i < static_cast<int>(window.controls.size()); ++i) {
    const HWND control = window.controls[i];
    candidates.push_back({d.controls[i].focusStop, IsWindowVisible(control) != FALSE,
                          IsWindowEnabled(control) != FALSE, d.controls[i].tabOrder});
  }
  return FocusStopOrder(candidates);
}

ToolkitWindow* LoadWindow(const WindowDescription& d, const EventBinding* events, int eventCount) {
  EnsureTransparentLabelClass();
  if (!RegisterWindowClass(d)) return nullptr;

  auto record = std::make_unique<ToolkitWindow>();
  record->description = &d;
  record->events = events;
  record->eventCount = eventCount;
  for (int i = 0; i < d.menuEntryCount; ++i) record->menuVisible.push_back(d.menu[i].visible);
  ToolkitWindow* window = record.get();
  Windows().push_back(WindowEntry{std::move(record), false});

  // Centred on the primary screen, each half truncated toward zero.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - d.outerWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - d.outerHeight) / 2;
  MenuHandle bar(BuildMenuBar(*window));
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const HWND hwnd = CreateWindowExA(d.exStyle, d.className, d.title, d.style & ~WS_VISIBLE, left,
                                    top, d.outerWidth, d.outerHeight, nullptr, bar.get(), instance,
                                    window);
  if (hwnd == nullptr) {
    Windows().pop_back();
    return nullptr;
  }
  bar.release();
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  // The class's icons, loaded once when it was registered, serve every window of it.
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, static_cast<LPARAM>(GetClassLongPtrA(hwnd, GCLP_HICON)));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL,
               static_cast<LPARAM>(GetClassLongPtrA(hwnd, GCLP_HICONSM)));

  for (int i = 0; i < d.controlCount; ++i) {
    const HWND control = CreateControl(*window, i);
    if (control == nullptr) {
      DestroyWindow(hwnd);
      return nullptr;
    }
    window->controls.push_back(control);
  }
  // Stacked in control order, the first on top; then the visible ones shown.
  for (int i = 1; i < d.controlCount; ++i) {
    SetWindowPos(window->controls[i], window->controls[i - 1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (int i = 0; i < d.controlCount; ++i) {
    if (d.controls[i].visible) ShowWindow(window->controls[i], SW_SHOWNA);
  }
  for (auto& entry : Windows()) {
    if (entry.window.get() == window) entry.loaded = true;
  }

  RaiseEvent(window, kThisWindow, EventKind::Created, {});
  return window;
}

void ShowAndActivate(ToolkitWindow* window) {
  ShowWindow(window->hwnd, SW_SHOW);
  SetForegroundWindow(window->hwnd);
  SetActiveWindow(window->hwnd);
}

ToolkitWindow* FindOpenWindow(const WindowDescription& description) {
  for (auto& entry : Windows()) {
    if (entry.loaded && entry.window->description == &description) return entry.window.get();
  }
  return nullptr;
}

ToolkitWindow* WindowRecordOf(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  const HWND root = GetAncestor(hwnd, GA_ROOT);
  for (auto& entry : Windows()) {
    if (entry.window->hwnd == root && root != nullptr) return entry.window.get();
  }
  return nullptr;
}

HWND ControlHandle(const ToolkitWindow* window, const char* name) {
  const WindowDescription& d = *window->description;
  for (int i = 0; i < d.controlCount && i < static_cast<int>(window->controls.size()); ++i) {
    if (std::strcmp(d.controls[i].name, name) == 0) return window->controls[i];
  }
  return nullptr;
}

int ControlIndex(const ToolkitWindow* window, HWND control) {
  const auto found = std::find(window->controls.begin(), window->controls.end(), control);
  return found == window->controls.end() ? -1 : static_cast<int>(found - window->controls.begin());
}

Text WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return Text();
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

int MenuEntryIndex(const ToolkitWindow* window, const char* name) {
  const WindowDescription& d = *window->description;
  for (int i = 0; i < d.menuEntryCount; ++i) {
    if (std::strcmp(d.menu[i].name, name) == 0) return i;
  }
  return -1;
}

void SetMenuEntryVisible(ToolkitWindow* window, const char* name, bool visible) {
  const int index = MenuEntryIndex(window, name);
  if (index < 0) return;
  window->menuVisible[index] = visible;
  const HMENU old = GetMenu(window->hwnd);
  SetMenu(window->hwnd, BuildMenuBar(*window));
  if (old != nullptr) DestroyMenu(old);
}

void RaiseEvent(ToolkitWindow* window, const char* source, EventKind kind, EventArgs args) {
  args.window = window;
  // A handler may close the window; the table itself is constant data.
  const EventBinding* events = window->events;
  const int count = window->eventCount;
  for (int i = 0; i < count; ++i) {
    if (events[i].kind == kind && std::strcmp(events[i].source, source) == 0) {
      events[i].handler(args);
    }
  }
}

bool AnyWindowOpen() {
  for (const auto& entry : Windows()) {
    if (entry.loaded) return true;
  }
  return false;
}
