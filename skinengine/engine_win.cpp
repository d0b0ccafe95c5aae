#include "skinengine/engine_win.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

#include "skinengine/subclass_procs_win.h"
#include "skinengine/window_kind_win.h"

namespace {

struct ThreadHook {
  DWORD thread;
  HHOOK hook;
};

std::unique_ptr<Theme> g_theme;
std::unordered_map<HWND, std::unique_ptr<SkinnedWindow>> g_windows;
std::vector<ThreadHook> g_hooks;
bool g_pinned = false;  // the engine stays loaded until the process ends

KindProc ProcFor(WindowKind kind) {
  switch (kind) {
    case WindowKind::TopLevel:
      return TopLevelProc;
    case WindowKind::PushButton:
      return PushButtonProc;
    case WindowKind::Edit:
      return EditProc;
    case WindowKind::ListView:
      return ListViewProc;
    case WindowKind::None:
      break;
  }
  return nullptr;
}

LONG_PTR WindowProcOf(const SkinnedWindow& window) {
  return window.unicode ? GetWindowLongPtrW(window.hwnd, GWLP_WNDPROC)
                        : GetWindowLongPtrA(window.hwnd, GWLP_WNDPROC);
}

LONG_PTR SetWindowProcOf(const SkinnedWindow& window, WNDPROC proc) {
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  return window.unicode ? SetWindowLongPtrW(window.hwnd, GWLP_WNDPROC, value)
                        : SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, value);
}

// The one window procedure of every skinned window. The engine takes the
// window procedure over itself and keeps its records in its own table: a
// comctl32 subclass looks its data up in the window's properties on every
// message, which on some systems is a round trip to another process, and a
// list filled with thousands of rows sends tens of thousands of messages.
// The window keeps its character set: the procedure is set with the A or W
// call that matches it, so no message is translated on the way.
LRESULT CALLBACK SkinnedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* window = FindSkinned(hwnd);
  if (window == nullptr) {
    // Only after the record went at WM_NCDESTROY, with another subclass above.
    return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam)
                                 : DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // Once the program subclasses a skinned window itself, our procedure sits
  // inside its chain, where nothing can take it out; the code must then
  // outlive a FreeLibrary, so the engine pins itself the first time it sees
  // that (it cannot at the unload: the loader has begun by then).
  if (!g_pinned && WindowProcOf(*window) != reinterpret_cast<LONG_PTR>(SkinnedWindowProc)) {
    HMODULE self = nullptr;
    g_pinned =
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&SkinnedWindowProc), &self) != FALSE;
  }
  if (window->passThrough) {
    return message == WM_NCDESTROY ? EndSkinning(hwnd, message, wParam, lParam)
                                   : PassOn(hwnd, message, wParam, lParam);
  }
  return ProcFor(window->kind)(hwnd, message, wParam, lParam, kSubclassId,
                               reinterpret_cast<DWORD_PTR>(window));
}

void SkinWindow(HWND hwnd, WindowKind kind) noexcept {
  if (ProcFor(kind) == nullptr) return;
  const auto found = g_windows.find(hwnd);
  if (found != g_windows.end()) {
    found->second->passThrough = false;  // skinned before: take it up again
    return;
  }
  SkinnedWindow* record = nullptr;
  try {
    auto owned = std::make_unique<SkinnedWindow>();
    owned->hwnd = hwnd;
    owned->kind = kind;
    owned->active = kind == WindowKind::TopLevel && GetActiveWindow() == hwnd;
    owned->unicode = IsWindowUnicode(hwnd) != FALSE;
    record = owned.get();
    g_windows.emplace(hwnd, std::move(owned));
  } catch (...) {
    return;  // out of memory: this window keeps its own look
  }
  // No message reaches the window between the two statements: setting the
  // procedure sends none.
  record->previous = reinterpret_cast<WNDPROC>(SetWindowProcOf(*record, SkinnedWindowProc));
  if (record->previous == nullptr) g_windows.erase(hwnd);
}

// Gives a window its own procedure back. When another subclass was put above
// ours, the chain cannot be cut without breaking it: the record stays and
// passes every message straight on (the engine has pinned itself by then).
bool ReleaseWindow(SkinnedWindow& window) {
  if (WindowProcOf(window) != reinterpret_cast<LONG_PTR>(SkinnedWindowProc)) {
    window.passThrough = true;
    return false;
  }
  SetWindowProcOf(window, window.previous);
  return true;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_theme) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    const HWND hwnd = reinterpret_cast<HWND>(wParam);
    SkinWindow(hwnd, ClassifyWindow(hwnd, create->lpcs->style));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK SkinChild(HWND hwnd, LPARAM) {
  SkinWindow(hwnd, ClassifyWindow(hwnd, GetWindowLongA(hwnd, GWL_STYLE)));
  return TRUE;
}

// Top-level windows of this thread: only the owning thread can subclass them.
BOOL CALLBACK SkinTopLevel(HWND hwnd, LPARAM) {
  DWORD process = 0;
  if (GetWindowThreadProcessId(hwnd, &process) != GetCurrentThreadId()) return TRUE;
  SkinWindow(hwnd, ClassifyWindow(hwnd, GetWindowLongA(hwnd, GWL_STYLE)));
  EnumChildWindows(hwnd, SkinChild, 0);
  return TRUE;
}

void Repaint(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool HasHook(DWORD thread) {
  return std::any_of(g_hooks.begin(), g_hooks.end(),
                     [thread](const ThreadHook& h) { return h.thread == thread; });
}

}  // namespace

const Theme* CurrentTheme() {
  return g_theme.get();
}

SkinnedWindow* FindSkinned(HWND hwnd) {
  const auto found = g_windows.find(hwnd);
  return found == g_windows.end() ? nullptr : found->second.get();
}

LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedWindow* window = FindSkinned(hwnd);
  if (window == nullptr) return 0;  // destroyed while the message was on its way
  return window->unicode ? CallWindowProcW(window->previous, hwnd, message, wParam, lParam)
                         : CallWindowProcA(window->previous, hwnd, message, wParam, lParam);
}

LRESULT EndSkinning(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = g_windows.find(hwnd);
  if (found == g_windows.end()) return PassOn(hwnd, message, wParam, lParam);
  // The record goes first, so nothing this message sets off finds it.
  const std::unique_ptr<SkinnedWindow> window = std::move(found->second);
  g_windows.erase(found);
  ReleaseWindow(*window);
  return window->unicode ? CallWindowProcW(window->previous, hwnd, message, wParam, lParam)
                         : CallWindowProcA(window->previous, hwnd, message, wParam, lParam);
}

int AttachSkin(const SkinScheme& scheme) noexcept {
  std::unique_ptr<Theme> theme = Theme::Create(scheme);
  if (!theme) return kResultNoResources;
  const DWORD thread = GetCurrentThreadId();
  if (!HasHook(thread)) {
    const HHOOK hook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, thread);
    if (hook == nullptr) return kResultNoHook;
    try {
      g_hooks.push_back(ThreadHook{thread, hook});
    } catch (...) {
      UnhookWindowsHookEx(hook);
      return kResultNoResources;
    }
  }
  g_theme.swap(theme);
  EnumWindows(SkinTopLevel, 0);
  for (const auto& entry : g_windows) Repaint(entry.first);
  return 0;  // the previous theme goes with `theme`: nothing painted refers to it
}

void DetachSkin() noexcept {
  for (const ThreadHook& h : g_hooks) UnhookWindowsHookEx(h.hook);
  g_hooks.clear();
  // Invalidating only queues the repaint, which then runs without us.
  for (auto entry = g_windows.begin(); entry != g_windows.end();) {
    Repaint(entry->first);
    entry = ReleaseWindow(*entry->second) ? g_windows.erase(entry) : std::next(entry);
  }
  g_theme.reset();
}
