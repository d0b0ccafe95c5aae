#include "probe_process_win.h"

namespace {

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindBox(HWND h, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(h, &process);
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof(cls));
  if (process == search->process && std::string(cls) == "#32770" && IsWindowVisible(h)) {
    search->found = h;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindIcon(HWND h, LPARAM found) {
  if ((GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

ProbeBox ReadAndAcknowledge(HWND box) {
  ProbeBox result;
  result.shown = true;
  char text[4096] = {};
  GetWindowTextA(box, text, sizeof(text));
  result.caption = text;
  GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
  result.text = text;
  result.hasOk = GetDlgItem(box, IDOK) != nullptr;
  result.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
  result.hasOwner = GetWindow(box, GW_OWNER) != nullptr;
  EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&result.hasIcon));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return result;
}

}  // namespace

ProbeResult RunProbe(const std::string& commandLine, int boxWaitMs) {
  ProbeResult result;
  std::string command = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return result;
  }
  Search search = {process.dwProcessId, nullptr};
  const DWORD start = GetTickCount();
  while (search.found == nullptr && GetTickCount() - start < static_cast<DWORD>(boxWaitMs)) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(10);
  }
  if (search.found != nullptr) result.box = ReadAndAcknowledge(search.found);
  WaitForSingleObject(process.hProcess, 20000);
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return result;
}

std::string DosPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}
