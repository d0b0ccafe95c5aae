// Keys and focus in the main window, through real keyboard input.

#include "main_window_fixture_win.h"

namespace {

const char kTarget12345[] = "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=12345&g_tk=524196017";

HWND Focused() { return GetFocus(); }

BOOL CALLBACK CountVisible(HWND h, LPARAM count) {
  if (IsWindowVisible(h)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int VisibleThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(MainWindowTest, StartsWithTheFocusOnExtract) { EXPECT_EQ(Focused(), Control("按钮1")); }

TEST_F(MainWindowTest, TabAndShiftTabCycleThroughTheFocusStops) {
  const char* order[] = {"按钮1", "超级列表框1", "编辑框1", "按钮2", "按钮3"};
  for (int i = 1; i <= 5; ++i) {
    PressKey(VK_TAB);
    PumpFor(30);
    EXPECT_EQ(Focused(), Control(order[i % 5])) << "Tab to " << order[i % 5];
  }
  for (int i = 4; i >= 0; --i) {
    PressKey(VK_TAB, {VK_SHIFT});
    PumpFor(30);
    EXPECT_EQ(Focused(), Control(order[i])) << "Shift+Tab to " << order[i];
  }
}

TEST_F(MainWindowTest, TabNeverReachesTheEditBoxAsText) {
  Focus("编辑框1");
  TypeText("12");
  PressKey(VK_TAB);
  PressKey(VK_TAB, {VK_SHIFT});
  PumpFor(50);
  EXPECT_EQ(Focused(), Control("编辑框1"));
  EXPECT_EQ(TextOf(Control("编辑框1")), "12");
}

TEST_F(MainWindowTest, SpaceOnExtractFetchesWithTheEmptyNumber) {
  StartService(ThreeSongAnswer());
  ASSERT_EQ(Focused(), Control("按钮1"));
  PressKey(VK_SPACE);
  ASSERT_TRUE(PumpUntil([&] { return RowCount() == 3; }));
  EXPECT_EQ(LastTarget(), "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=&g_tk=524196017");
}

TEST_F(MainWindowTest, EveryEnterInTheEditBoxFetches) {
  struct {
    const char* what;
    std::initializer_list<WORD> modifiers;
    bool keypad;
  } cases[] = {
      {"Enter", {}, false},           {"keypad Enter", {}, true},
      {"Ctrl+Enter", {VK_CONTROL}, false}, {"Shift+Enter", {VK_SHIFT}, false},
      {"Alt+Enter", {VK_MENU}, false},
  };
  StartService(ThreeSongAnswer());
  Focus("编辑框1");
  TypeText("12345");
  int expected = 0;
  for (const auto& c : cases) {
    PressKey(VK_RETURN, c.modifiers, c.keypad);
    ++expected;
    EXPECT_TRUE(PumpUntil([&] { return Requests() == expected; })) << c.what;
    EXPECT_EQ(LastTarget(), kTarget12345) << c.what;
    EXPECT_EQ(RowCount(), 3) << c.what << ": the same rows, not more";
  }
  EXPECT_EQ(Cell(0, 0), "1");
  EXPECT_EQ(Cell(0, 1), "晴天 - 周杰伦");
  EXPECT_EQ(Cell(2, 0), "3");
  EXPECT_EQ(Cell(2, 1), "童话 - 光良");
  EXPECT_EQ(Cell(2, 2), "http://stream.example/tonghua.wma");
}

TEST_F(MainWindowTest, OtherKeysInTheEditBoxDoNotFetch) {
  StartService(ThreeSongAnswer());
  Focus("编辑框1");
  const WORD keys[] = {'A', '1', VK_NUMPAD1, VK_SUBTRACT, VK_DECIMAL, VK_DIVIDE, VK_SPACE,
                       VK_BACK, VK_LEFT, VK_DELETE, VK_F5, VK_CONTROL};
  for (WORD key : keys) PressKey(key);
  PressKey('V', {VK_CONTROL});
  PumpFor(200);
  EXPECT_EQ(Requests(), 0);
  EXPECT_EQ(Focused(), Control("编辑框1"));
}

TEST_F(MainWindowTest, EnterOnAButtonOrTheListDoesNothing) {
  StartService(ThreeSongAnswer());
  for (const char* name : {"按钮1", "按钮2", "按钮3", "超级列表框1"}) {
    Focus(name);
    PressKey(VK_RETURN);
    PumpFor(100);
    EXPECT_EQ(Requests(), 0) << name;
    EXPECT_EQ(Focused(), Control(name)) << "Enter does not move the focus from " << name;
  }
  EXPECT_NE(FindOpenWindow(kMainWindow), nullptr);
}

TEST_F(MainWindowTest, HoldingEnterFetchesOncePerKeyDown) {
  StartService(ThreeSongAnswer());
  Focus("编辑框1");
  KeyDown(VK_RETURN);
  KeyDown(VK_RETURN);  // an auto-repeated key-down
  KeyDown(VK_RETURN);
  KeyUp(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return Requests() == 3; }));
  PumpFor(100);
  EXPECT_EQ(Requests(), 3);
}

TEST_F(MainWindowTest, EscClosesTheWindowWhicheverControlHasTheFocus) {
  for (const char* name : {"编辑框1", "超级列表框1", "按钮2"}) {
    SCOPED_TRACE(name);
    if (window_ == nullptr || FindOpenWindow(kMainWindow) == nullptr) {
      window_ = LoadMainWindow();
      hwnd_ = window_->hwnd;
      ShowAndActivate(window_);
      PumpFor(100);
    }
    Focus(name);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd_); }));
    int exitCode = -7;
    EXPECT_TRUE(TakeQuitMessage(&exitCode)) << "the last window ends the program";
    EXPECT_EQ(exitCode, 0);
  }
}

TEST_F(MainWindowTest, TheFocusComesBackToItsControlAfterDeactivation) {
  Focus("编辑框1");
  const HWND other = CreateWindowExA(0, "Static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  PumpUntil([&] { return GetForegroundWindow() == other; });
  SetForegroundWindow(hwnd_);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hwnd_; }));
  PumpFor(50);
  EXPECT_EQ(Focused(), Control("编辑框1"));
  DestroyWindow(other);
}

TEST_F(MainWindowTest, AFailedFetchEmptiesTheListAndShowsNothing) {
  StartService(ThreeSongAnswer());
  Focus("编辑框1");
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return RowCount() == 3; }));
  StopService();
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return RowCount() == 0; }, 10000));
  PumpFor(100);
  // No window of the process but the main window is open: no message.
  EXPECT_EQ(VisibleThreadWindows(), 1);
}

}  // namespace
