#pragma once
// The engine's process-wide state: the theme in force, the windows it has
// subclassed and the creation hooks that find new ones. Everything here runs
// on the thread that owns the windows concerned.

#include <windows.h>

#include "skinengine/format/skin_scheme.h"
#include "skinengine/theme_win.h"

enum class WindowKind { None, TopLevel, PushButton, Edit, ListView };

// What the engine remembers of one skinned window between messages.
struct SkinnedWindow {
  HWND hwnd = nullptr;
  WindowKind kind = WindowKind::None;
  bool mouseInside = false;      // push button: the mouse is over it
  int captionHot = HTNOWHERE;    // top-level: caption button under the mouse
  bool active = false;           // top-level: caption drawn as active
  bool trackingCaption = false;  // top-level: asked for WM_NCMOUSELEAVE
  WNDPROC previous = nullptr;    // the window procedure the engine took over from
  bool unicode = false;          // the window takes messages in UTF-16
  bool passThrough = false;      // detached, but another subclass sits above ours
};

// Results of SkinH_AttachRes besides 0 (applied); the skin data errors come
// as kResultDataError plus the SkinError number.
constexpr int kResultNoData = 1;
constexpr int kResultDataError = 10;
constexpr int kResultNoResources = 30;
constexpr int kResultNoHook = 31;

// Makes the scheme the one in force: builds its theme, hooks the calling
// thread, subclasses its existing windows and repaints them. Returns 0, or a
// nonzero result with nothing changed.
int AttachSkin(const SkinScheme& scheme) noexcept;

// Removes every hook and subclass, repaints the windows in their own look and
// frees the theme; safe to call when nothing is attached.
void DetachSkin() noexcept;

const Theme* CurrentTheme();

// The record of a skinned window, or null when the window is not (or no
// longer) skinned. A window procedure that called on to the program checks
// again with this before it touches its record: the window may be gone.
SkinnedWindow* FindSkinned(HWND hwnd);

// Passes a message on to the window procedure the engine took the window over
// from, as a subclass procedure's default handling.
LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Ends the skinning of a window at WM_NCDESTROY and passes the message on.
LRESULT EndSkinning(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of each kind of skinned window; `ref` is its SkinnedWindow.
using KindProc = LRESULT(CALLBACK*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR ref);
constexpr UINT_PTR kSubclassId = 0x5348;  // one subclass of ours per window
