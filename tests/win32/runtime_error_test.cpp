// The runtime error report as the user sees it: the box, its text, and the
// end of the process with -1 after the shutdown.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "probe_process_win.h"

namespace {

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
  const std::string directory = DosPath(QZ_PROBE_DIR);
  const std::string marker = directory + "\\shutdown.marker";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    DeleteFileA(marker.c_str());
    const ProbeResult result =
        RunProbe("\"" + directory + "\\toolkit_probe.exe\" \"" + marker + "\" " + c.arguments);
    EXPECT_EQ(result.exitCode, 0xFFFFFFFFu);
    ASSERT_TRUE(result.box.shown);
    EXPECT_EQ(result.box.caption, "错误");
    EXPECT_EQ(result.box.text, c.text);
    EXPECT_TRUE(result.box.hasOk);
    EXPECT_FALSE(result.box.hasCancel);
    EXPECT_TRUE(result.box.hasIcon);
    EXPECT_FALSE(result.box.hasOwner);
    EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the shutdown ran";
  }
}

}  // namespace
