#include "skinengine/engine_win.h"

#include <commctrl.h>

#include <algorithm>
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

SUBCLASSPROC ProcFor(WindowKind kind) {
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

void SkinWindow(HWND hwnd, WindowKind kind) noexcept {
  const SUBCLASSPROC proc = ProcFor(kind);
  if (proc == nullptr || g_windows.count(hwnd) != 0) return;
  SkinnedWindow* record = nullptr;
  try {
    auto owned = std::make_unique<SkinnedWindow>();
    owned->hwnd = hwnd;
    owned->kind = kind;
    owned->active = kind == WindowKind::TopLevel && GetActiveWindow() == hwnd;
    record = owned.get();
    g_windows.emplace(hwnd, std::move(owned));
  } catch (...) {
    return;  // out of memory: this window keeps its own look
  }
  if (!SetWindowSubclass(hwnd, proc, kSubclassId, reinterpret_cast<DWORD_PTR>(record))) {
    g_windows.erase(hwnd);
  }
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

LRESULT EndSkinning(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = g_windows.find(hwnd);
  if (found != g_windows.end()) {
    RemoveWindowSubclass(hwnd, ProcFor(found->second->kind), kSubclassId);
    g_windows.erase(found);
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
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
  for (const auto& entry : g_windows) {
    RemoveWindowSubclass(entry.first, ProcFor(entry.second->kind), kSubclassId);
    Repaint(entry.first);
  }
  g_windows.clear();
  g_theme.reset();
}
