// The window toolkit's rules that need no windows: focus order, key codes and
// the runtime error report's text.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "toolkit/focus_order.h"
#include "toolkit/key_codes.h"
#include "toolkit/runtime_error_text.h"

namespace {

TEST(FocusOrderTest, SmallestTabValueFirstTiesInReverseControlOrder) {
  // The main window's seven controls: all value 0, labels are no stops.
  const std::vector<FocusCandidate> mainWindow = {
      {true, true, true, 0},  {true, true, true, 0},  {false, true, true, 0}, {false, true, true, 0},
      {true, true, true, 0},  {true, true, true, 0},  {true, true, true, 0}};
  EXPECT_EQ(FocusStopOrder(mainWindow), (std::vector<int>{6, 5, 4, 1, 0}));

  const std::vector<FocusCandidate> mixed = {
      {true, true, true, 2}, {true, true, true, 1}, {true, false, true, 0}, {true, true, false, 0},
      {true, true, true, 1}, {true, true, true, -1}};
  EXPECT_EQ(FocusStopOrder(mixed), (std::vector<int>{5, 4, 1, 0}));
  EXPECT_TRUE(FocusStopOrder({{false, true, true, 0}}).empty());
}

TEST(FocusOrderTest, TabAndShiftTabWrapAround) {
  const std::vector<int> order = {6, 5, 4, 1, 0};
  struct {
    int current;
    bool backwards;
    int next;
  } cases[] = {{6, false, 5}, {0, false, 6}, {6, true, 0}, {4, true, 5},
               {2, false, 6}, {2, true, 0},  {-1, false, 6}};
  for (const auto& c : cases) {
    EXPECT_EQ(NextFocusStop(order, c.current, c.backwards), c.next)
        << c.current << (c.backwards ? " back" : " forward");
  }
  EXPECT_EQ(NextFocusStop({}, 3, false), -1);
}

TEST(KeyCodesTest, KeypadKeysGiveTheMainKeyboardsCodes) {
  struct {
    uint32_t virtualKey;
    int32_t code;
  } cases[] = {{0x60, '0'}, {0x65, '5'}, {0x69, '9'}, {0x6D, 189}, {0x6E, 190}, {0x6F, 191},
               {0x6A, 0x6A}, {0x6B, 0x6B}, {13, 13}, {'A', 'A'}, {189, 189}, {0x70, 0x70}};
  for (const auto& c : cases) EXPECT_EQ(EventKeyCode(c.virtualKey), c.code) << c.virtualKey;
  EXPECT_EQ(ModifierState(true, false, false), 1);
  EXPECT_EQ(ModifierState(false, true, true), 6);
  EXPECT_EQ(ModifierState(true, true, true), 7);
}

std::string Compose(int32_t code, const char* message) {
  char text[512];
  ComposeRuntimeErrorText(code, message, text, sizeof(text));
  return text;
}

TEST(RuntimeErrorTextTest, CodeAndMessageAppearOnlyWhenGiven) {
  EXPECT_EQ(Compose(0, ""), "运行时出错!\r\n\r\n");
  EXPECT_EQ(Compose(0, nullptr), "运行时出错!\r\n\r\n");
  EXPECT_EQ(Compose(0, "载入启动窗口失败"), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(Compose(-5, ""), "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n");
  EXPECT_EQ(Compose(2147483647, "x"), "运行时出错!\r\n\r\n错误代码：2147483647\r\n\r\n错误信息：x\r\n");
  EXPECT_EQ(Compose(-2147483647 - 1, ""), "运行时出错!\r\n\r\n错误代码：-2147483648\r\n\r\n");
}

TEST(RuntimeErrorTextTest, ACutTextStaysTerminatedAndTellsTheWholeLength) {
  const std::string whole = Compose(0, "一段很长的错误信息");
  char small[16];
  EXPECT_EQ(ComposeRuntimeErrorText(0, "一段很长的错误信息", small, sizeof(small)), whole.size());
  EXPECT_EQ(std::string(small), whole.substr(0, 15));
}

TEST(RuntimeErrorTextTest, AllocationFailureNamesTheBytesAskedFor) {
  char text[128];
  ComposeAllocationFailureMessage(26370, text, sizeof(text));
  EXPECT_STREQ(text, "分配 26370 字节内存失败!");
  ComposeAllocationFailureMessage(4294967295u, text, sizeof(text));
  EXPECT_STREQ(text, "分配 4294967295 字节内存失败!");
}

}  // namespace
