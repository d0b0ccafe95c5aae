#include "toolkit/shell_win.h"

#include <windows.h>
#include <shellapi.h>

void OpenWebPage(const Text& address) {
  // A browser window of that title, when there is one, parents whatever the shell shows.
  const HWND parent = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteA(parent, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
