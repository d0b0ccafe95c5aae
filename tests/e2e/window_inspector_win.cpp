// Looks at the running program from outside, for the end-to-end test:
//   window_inspector point TITLE CONTROL_INDEX      the screen centre of a control
//   window_inspector row-point TITLE ROW            a screen point on a row of the song list
//   window_inspector rows TITLE                     the song list's rows, tab-separated, in UTF-8
//   window_inspector windows TITLE                  the visible top-level windows of its process
//   window_inspector focus-class TITLE              the class of the control with the focus
//   window_inspector clipboard -                    the CF_TEXT bytes on the clipboard, in hex
// TITLE names the program's main window; CONTROL_INDEX counts its children in
// stacking order from 0. Exit status 1 when the window is not there.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::string& gbk) {
  const int wide = MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, nullptr, 0);
  std::wstring w(wide, L'\0');
  MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, &w[0], wide);
  const int narrow = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(narrow, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, &out[0], narrow, nullptr, nullptr);
  out.resize(narrow > 0 ? narrow - 1 : 0);
  return out;
}

HWND Child(HWND window, int index) {
  HWND child = GetWindow(window, GW_CHILD);
  for (int i = 0; i < index && child != nullptr; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

HWND SongList(HWND window) { return FindWindowExA(window, nullptr, "SysListView32", nullptr); }

// Reads a cell of a list in another process through memory of that process.
std::string CellText(HWND list, int row, int column) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return "";
  const SIZE_T textSize = 4096;
  char* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + textSize, MEM_COMMIT, PAGE_READWRITE));
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = remote + sizeof(LVITEMA);
  item.cchTextMax = static_cast<int>(textSize);
  WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
  std::string text(textSize, '\0');
  ReadProcessMemory(process, remote + sizeof(LVITEMA), &text[0], textSize, nullptr);
  text.resize(text.find('\0'));
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

POINT RowPoint(HWND list, int row) {
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  RECT* remote = static_cast<RECT*>(
      VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE));
  RECT r = {LVIR_BOUNDS, 0, 0, 0};
  WriteProcessMemory(process, remote, &r, sizeof(r), nullptr);
  SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &r, sizeof(r), nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  POINT p = {r.left + 120, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  return p;
}

struct WindowsOf {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND h, LPARAM param) {
  auto* of = reinterpret_cast<WindowsOf*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == of->pid && IsWindowVisible(h)) of->found.push_back(h);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string command = argv[1];
  if (command == "clipboard") {
    if (!OpenClipboard(nullptr)) return 1;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      const unsigned char* bytes = static_cast<const unsigned char*>(GlobalLock(data));
      for (SIZE_T i = 0; bytes != nullptr && i < GlobalSize(data) && bytes[i] != 0; ++i) {
        std::printf("%02x", bytes[i]);
      }
      GlobalUnlock(data);
    }
    CloseClipboard();
    std::printf("\n");
    return 0;
  }
  const HWND window = FindWindowA(nullptr, argv[2]);
  if (window == nullptr) return 1;
  if (command == "point" && argc > 3) {
    const HWND control = Child(window, std::atoi(argv[3]));
    RECT r;
    GetWindowRect(control, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  } else if (command == "row-point" && argc > 3) {
    const POINT p = RowPoint(SongList(window), std::atoi(argv[3]));
    std::printf("%ld %ld\n", p.x, p.y);
  } else if (command == "rows") {
    const HWND list = SongList(window);
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      std::printf("%s\t%s\t%s\n", Utf8(CellText(list, row, 0)).c_str(),
                  Utf8(CellText(list, row, 1)).c_str(), Utf8(CellText(list, row, 2)).c_str());
    }
  } else if (command == "windows") {
    WindowsOf of = {0, {}};
    GetWindowThreadProcessId(window, &of.pid);
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&of));
    for (HWND h : of.found) {
      char title[256] = {}, cls[256] = {};
      GetWindowTextA(h, title, sizeof(title));
      GetClassNameA(h, cls, sizeof(cls));
      std::printf("%s\t%s\n", cls, Utf8(title).c_str());
    }
  } else if (command == "focus-class") {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    char cls[256] = {};
    GetClassNameA(info.hwndFocus, cls, sizeof(cls));
    std::printf("%s\n", cls);
  } else {
    return 2;
  }
  std::fflush(stdout);
  return 0;
}
