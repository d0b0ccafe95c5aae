#include "browser_log_win.h"

#include <windows.h>

#include <fstream>

#include "probe_process_win.h"
#include "window_test_support_win.h"

void StartRecordingBrowser() {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_WRITE,
                      nullptr, &key, nullptr) == ERROR_SUCCESS) {
    const std::string recorder = QZ_BROWSER_RECORDER;
    RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(recorder.c_str()),
                   static_cast<DWORD>(recorder.size() + 1));
    RegCloseKey(key);
  }
  DeleteFileA(DosPath(QZ_BROWSER_LOG).c_str());
}

std::vector<std::string> OpenedAddresses() {
  std::vector<std::string> addresses;
  std::ifstream log(DosPath(QZ_BROWSER_LOG));
  for (std::string line; std::getline(log, line);) addresses.push_back(line);
  return addresses;
}

bool WaitForOpenedAddresses(std::size_t count, int timeoutMs) {
  return PumpUntil([&] { return OpenedAddresses().size() >= count; }, timeoutMs);
}
