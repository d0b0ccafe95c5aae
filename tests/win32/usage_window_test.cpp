// The tips window and the two outbound links.

#include <cstring>

#include "browser_log_win.h"
#include "main_window_fixture_win.h"
#include "ui/usage_text.h"
#include "ui/usage_window_win.h"

namespace {

BOOL CALLBACK CollectTips(HWND h, LPARAM found) {
  if (TextOf(h) == "温馨提示：") reinterpret_cast<std::vector<HWND>*>(found)->push_back(h);
  return TRUE;
}

std::vector<HWND> TipsWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectTips, reinterpret_cast<LPARAM>(&found));
  return found;
}

class UsageWindowTest : public MainWindowTest {
 protected:
  void TearDown() override {
    for (HWND h : TipsWindows()) DestroyWindow(h);
    MainWindowTest::TearDown();
  }
  void ClickUsageButton() {
    const RECT r = RectInParent(Control("按钮2"));
    const std::size_t before = TipsWindows().size();
    ClickAt(ClientToScreenPoint(hwnd_, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    PumpUntil([&] { return TipsWindows().size() > before || before > 0; });
    PumpFor(100);
  }
};

TEST_F(UsageWindowTest, ItsTextIsTheSevenLinesIn298Bytes) {
  EXPECT_EQ(std::strlen(kUsageText), 298u);
  EXPECT_EQ(std::string(kUsageText).substr(0, 18), "软件使用方法：\r\n\r\n");
  EXPECT_EQ(std::string(kUsageText).substr(298 - 2), "\r\n");
}

TEST_F(UsageWindowTest, IsBuiltCentredWithItsFrameAndLabel) {
  ClickUsageButton();
  const auto tips = TipsWindows();
  ASSERT_EQ(tips.size(), 1u);
  const HWND w = tips[0];
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 349);
  EXPECT_EQ(r.bottom - r.top, 229);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 349) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 229) / 2);
  const LONG style = GetWindowLongA(w, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(w), nullptr);

  const HWND label = GetWindow(w, GW_CHILD);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), nullptr) << "one control only";
  EXPECT_EQ(ClassOf(label), "ToolkitTransparentLabel");
  EXPECT_TRUE(GetWindowLongA(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  const RECT lr = RectInParent(label);
  EXPECT_EQ(lr.left, 24);
  EXPECT_EQ(lr.top, 8);
  EXPECT_EQ(lr.right - lr.left, 296);
  EXPECT_EQ(lr.bottom - lr.top, 184);
  EXPECT_EQ(TextOf(label), kUsageText);
  EXPECT_EQ(GetForegroundWindow(), w);
}

TEST_F(UsageWindowTest, TwoClicksGiveOneWindowActiveAfterTheSecond) {
  ClickUsageButton();
  ASSERT_EQ(TipsWindows().size(), 1u);
  SetForegroundWindow(hwnd_);
  PumpUntil([&] { return GetForegroundWindow() == hwnd_; });
  ClickUsageButton();
  const auto tips = TipsWindows();
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == tips[0]; }));
}

TEST_F(UsageWindowTest, ASecondClickRestoresAMinimisedWindow) {
  ClickUsageButton();
  const HWND tips = TipsWindows().at(0);
  ShowWindow(tips, SW_MINIMIZE);
  PumpFor(100);
  ASSERT_TRUE(IsIconic(tips));
  ShowUsageWindow();
  PumpFor(100);
  EXPECT_FALSE(IsIconic(tips));
  EXPECT_EQ(TipsWindows().size(), 1u);
}

TEST_F(UsageWindowTest, EscClosesItAloneAndTheMainWindowStaysUsable) {
  ClickUsageButton();
  const HWND tips = TipsWindows().at(0);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == tips; }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(tips); }));
  EXPECT_TRUE(IsWindow(hwnd_));
  EXPECT_FALSE(TakeQuitMessage());
  ClickUsageButton();
  EXPECT_EQ(TipsWindows().size(), 1u) << "made afresh";
}

TEST_F(UsageWindowTest, TheProgramEndsOnlyWhenTheLastWindowCloses) {
  ClickUsageButton();
  const HWND tips = TipsWindows().at(0);
  SendMessageA(hwnd_, WM_CLOSE, 0, 0);
  PumpFor(100);
  EXPECT_FALSE(IsWindow(hwnd_));
  EXPECT_FALSE(TakeQuitMessage()) << "the tips window keeps the program going";
  SendMessageA(tips, WM_CLOSE, 0, 0);
  PumpFor(50);
  int exitCode = -1;
  EXPECT_TRUE(TakeQuitMessage(&exitCode));
  EXPECT_EQ(exitCode, 0);
}

TEST_F(UsageWindowTest, EachStartOpensTheHomePageOnce) {
  ASSERT_TRUE(WaitForOpenedAddresses(1));
  PumpFor(500);
  const auto opened = OpenedAddresses();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].find("www.lirabo.com"), std::string::npos) << opened[0];
}

TEST_F(UsageWindowTest, EachPressOnTheLinkOpensTheHomePageAgain) {
  ASSERT_TRUE(WaitForOpenedAddresses(1));
  const POINT on = ClientToScreenPoint(Control("透明标签1"), 20, 12);
  MoveMouseTo(on);
  MouseButton(on, false, true);
  // Opened at the press, before the button is released (elsewhere).
  EXPECT_TRUE(WaitForOpenedAddresses(2));
  const POINT elsewhere = ClientToScreenPoint(hwnd_, 300, 100);
  MoveMouseTo(elsewhere);
  MouseButton(elsewhere, false, false);
  ClickAt(on);
  EXPECT_TRUE(WaitForOpenedAddresses(3));
  PumpFor(300);
  const auto opened = OpenedAddresses();
  ASSERT_EQ(opened.size(), 3u);
  for (const auto& address : opened) EXPECT_NE(address.find("www.lirabo.com"), std::string::npos);
}

TEST_F(UsageWindowTest, TheContactButtonOpensTheChatLaunchPage) {
  ASSERT_TRUE(WaitForOpenedAddresses(1));
  SendMessageA(Control("按钮3"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForOpenedAddresses(2));
  EXPECT_EQ(OpenedAddresses()[1], "http://wpa.qq.com/msgrd?v=3&uin=88886666&site=qq&menu=yes");
}

TEST_F(UsageWindowTest, TheLinkShowsTheHandAndTheTipsTextTheArrow) {
  MoveMouseTo(ClientToScreenPoint(Control("透明标签1"), 20, 12));
  PumpFor(50);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  ClickUsageButton();
  const HWND label = GetWindow(TipsWindows().at(0), GW_CHILD);
  MoveMouseTo(ClientToScreenPoint(label, 50, 50));
  PumpFor(50);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace
