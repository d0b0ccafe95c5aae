// The runtime error report as the user sees it: the box, its text, and the
// end of the process with -1 after the shutdown.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct Box {
  std::string caption, text;
  bool hasOk = false, hasCancel = false, hasIcon = false;
};

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

// Runs the probe, reads the box it shows, presses OK, and returns its exit code.
DWORD RunProbe(const std::string& arguments, Box& box, bool& shutdownRan) {
  const std::string marker = std::string(QZ_PROBE_DIR) + "\\shutdown.marker";
  DeleteFileA(marker.c_str());
  std::string command = "\"" + std::string(QZ_PROBE_EXE) + "\" \"" + marker + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 0xDEAD;
  }
  Search search = {process.dwProcessId, nullptr};
  for (int i = 0; i < 1000 && search.found == nullptr; ++i) {
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(10);
  }
  if (search.found != nullptr) {
    char text[2048] = {};
    GetWindowTextA(search.found, text, sizeof(text));
    box.caption = text;
    GetDlgItemTextA(search.found, 0xFFFF, text, sizeof(text));
    box.text = text;
    box.hasOk = GetDlgItem(search.found, IDOK) != nullptr;
    box.hasCancel = GetDlgItem(search.found, IDCANCEL) != nullptr;
    EnumChildWindows(search.found, FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
    EXPECT_EQ(GetWindow(search.found, GW_OWNER), nullptr) << "the box has no owner";
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  }
  WaitForSingleObject(process.hProcess, 10000);
  DWORD exitCode = 0xDEAD;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  shutdownRan = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
  return exitCode;
}

TEST(RuntimeErrorTest, ShowsTheComposedTextThenShutsDownAndEndsWithMinusOne) {
  struct {
    const char* arguments;
    const char* text;
  } cases[] = {
      {"report 0 \"\"", "运行时出错!\r\n\r\n"},
      {"report 0 载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"report 42 \"\"", "运行时出错!\r\n\r\n错误代码：42\r\n\r\n"},
      {"report -3 坏了", "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n错误信息：坏了\r\n"},
      {"allocate 4294967040", "运行时出错!\r\n\r\n错误信息：分配 4294967040 字节内存失败!\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    Box box;
    bool shutdownRan = false;
    EXPECT_EQ(RunProbe(c.arguments, box, shutdownRan), 0xFFFFFFFFu);
    EXPECT_EQ(box.caption, "错误");
    EXPECT_EQ(box.text, c.text);
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(shutdownRan);
  }
}

}  // namespace
