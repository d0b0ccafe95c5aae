// Many fetches and many openings of the tips window in one process: the
// process's handles, GDI and USER objects and private bytes stay put.

#include "main_window_fixture_win.h"
#include "process_resources_win.h"
#include "ui/usage_window_win.h"

namespace {

void ExpectNoGrowth(const ProcessResources& before, const ProcessResources& after) {
  ::testing::Test::RecordProperty("before", Describe(before));
  ::testing::Test::RecordProperty("after", Describe(after));
  const std::string both = "before: " + Describe(before) + "\nafter:  " + Describe(after);
  EXPECT_GT(before.handles, 0u) << "the counting works";
  EXPECT_GT(before.gdiObjects, 0u) << "the counting works";
  EXPECT_GT(before.userObjects, 0u) << "the counting works";
  EXPECT_LE(after.handles, before.handles + 8) << both;
  EXPECT_LE(after.gdiObjects, before.gdiObjects + 8) << both;
  EXPECT_LE(after.userObjects, before.userObjects + 8) << both;
  EXPECT_LE(after.privateBytes, before.privateBytes + 4 * 1024 * 1024) << both;
}

class SoakTest : public MainWindowTest {};

TEST_F(SoakTest, AThousandFetchesLeaveNothingBehind) {
  StartService(ThreeSongAnswer());
  EventArgs enter;
  enter.window = window_;
  enter.keyCode = 13;
  // A few rounds first, so that what is made once (the session) exists.
  for (int i = 0; i < 20; ++i) OnQQNumberKeyDown(enter);
  PumpFor(100);
  const ProcessResources before = MeasureProcessResources();
  for (int i = 0; i < 1000; ++i) {
    OnQQNumberKeyDown(enter);
    if (i % 50 == 0) PumpFor(1);
  }
  PumpFor(100);
  ASSERT_EQ(RowCount(), 3);
  ASSERT_EQ(Requests(), 1020);
  ExpectNoGrowth(before, MeasureProcessResources());
}

TEST_F(SoakTest, TwoHundredOpeningsOfTheTipsWindowLeaveNothingBehind) {
  auto openAndClose = [&] {
    ShowUsageWindow();
    ToolkitWindow* tips = FindOpenWindow(kUsageWindow);
    ASSERT_NE(tips, nullptr);
    PumpFor(1);
    SendMessageA(tips->hwnd, WM_CLOSE, 0, 0);
    PumpFor(1);
    ASSERT_EQ(FindOpenWindow(kUsageWindow), nullptr);
  };
  for (int i = 0; i < 5; ++i) openAndClose();
  const ProcessResources before = MeasureProcessResources();
  for (int i = 0; i < 200; ++i) openAndClose();
  PumpFor(100);
  ExpectNoGrowth(before, MeasureProcessResources());
}

}  // namespace
