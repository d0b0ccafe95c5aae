// The copy of a song's name and address from the song list's popup menu.

#include <atomic>
#include <thread>

#include "clipboard_support_win.h"
#include "main_window_fixture_win.h"

namespace {

// Waits on its own thread for the popup menu to show, notes where it is, and
// then answers it with real input: a click on its first item, or Esc.
class PopupAnswer {
 public:
  enum class Action { ChooseWithLeft, ChooseWithRight, Dismiss };

  explicit PopupAnswer(Action action) : thread_([this, action] { Run(action); }) {}
  ~PopupAnswer() { thread_.join(); }
  bool seen() const { return seen_; }
  POINT topLeft() const { return topLeft_; }

 private:
  void Run(Action action) {
    HWND popup = nullptr;
    for (int i = 0; i < 500 && popup == nullptr; ++i) {
      HWND candidate = FindWindowA("#32768", nullptr);
      if (candidate != nullptr && IsWindowVisible(candidate)) popup = candidate;
      Sleep(10);
    }
    if (popup == nullptr) return;
    Sleep(100);
    RECT r;
    GetWindowRect(popup, &r);
    topLeft_ = {r.left, r.top};
    seen_ = true;
    if (action == Action::Dismiss) {
      PressKey(VK_ESCAPE);
      return;
    }
    // The first item lies just below the popup's top edge.
    ClickAt({r.left + 30, r.top + 10}, action == Action::ChooseWithRight);
  }

  std::atomic<bool> seen_{false};
  POINT topLeft_ = {0, 0};
  std::thread thread_;
};

class SongCopyTest : public MainWindowTest {
 protected:
  std::string FiveSongAnswer() {
    std::string answer = "jsonCallback({songlist:[";
    for (int i = 1; i <= 5; ++i) {
      const std::string n = std::to_string(i);
      answer += "{xsong_name:'歌曲" + n + "',xsinger_id:1,xsinger_name:'歌手" + n +
                "',xsong_url:'http://stream.example/" + n + ".mp3',xsong_dissid:2},";
    }
    return answer + "]})";
  }
  void FillFiveRows() {
    StartService(FiveSongAnswer());
    Focus("编辑框1");
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return RowCount() == 5; }));
  }
  POINT RowPoint(int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageA(Control("超级列表框1"), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return ClientToScreenPoint(Control("超级列表框1"), r.left + 120, (r.top + r.bottom) / 2);
  }
  POINT EmptyAreaPoint() { return ClientToScreenPoint(Control("超级列表框1"), 200, 180); }
  std::vector<std::string> AllCells() {
    std::vector<std::string> cells;
    for (int row = 0; row < RowCount(); ++row) {
      for (int column = 0; column < 3; ++column) cells.push_back(Cell(row, column));
    }
    return cells;
  }
  // Right-clicks at `at`, answers the popup, and waits for the clipboard to change.
  bool CopyVia(POINT at, PopupAnswer::Action action = PopupAnswer::Action::ChooseWithLeft) {
    PutOnClipboard("before");
    PopupAnswer answer(action);
    ClickAt(at, true);
    if (action == PopupAnswer::Action::Dismiss) {
      PumpUntil([&] { return answer.seen() && !IsWindowVisible(FindWindowA("#32768", nullptr)); });
      PumpFor(200);
    } else {
      PumpUntil([&] { return ClipboardText() != "before"; }, 5000);
      PumpFor(50);
    }
    return answer.seen();
  }
};

TEST_F(SongCopyTest, CopiesExactlyTheRightClickedRowInGbk) {
  FillFiveRows();
  const auto cellsBefore = AllCells();
  ASSERT_TRUE(CopyVia(RowPoint(2)));
  std::size_t block = 0;
  const std::string expected =
      "歌曲名：歌曲3 - 歌手3\r\n试听地址：http://stream.example/3.mp3";
  EXPECT_EQ(ClipboardText(&block), expected);
  EXPECT_EQ(block, expected.size() + 1) << "the block holds the text and its NUL alone";
  EXPECT_EQ(expected.substr(0, 8), "\xB8\xE8\xC7\xFA\xC3\xFB\xA3\xBA") << "GBK bytes";
  EXPECT_EQ(AllCells(), cellsBefore) << "a copy changes no row";
}

TEST_F(SongCopyTest, TheItemCanBeChosenWithTheRightButton) {
  FillFiveRows();
  ASSERT_TRUE(CopyVia(RowPoint(0), PopupAnswer::Action::ChooseWithRight));
  EXPECT_EQ(ClipboardText(), "歌曲名：歌曲1 - 歌手1\r\n试听地址：http://stream.example/1.mp3");
}

TEST_F(SongCopyTest, AnEmptyListGivesTheTwoLabelsAlone) {
  ASSERT_TRUE(CopyVia(EmptyAreaPoint()));
  EXPECT_EQ(ClipboardText(), "歌曲名：\r\n试听地址：");
}

TEST_F(SongCopyTest, ARightClickBelowTheRowsSelectsNoneAndCopiesTheLabels) {
  FillFiveRows();
  ASSERT_TRUE(CopyVia(EmptyAreaPoint()));
  EXPECT_EQ(ClipboardText(), "歌曲名：\r\n试听地址：");
}

TEST_F(SongCopyTest, DismissingThePopupLeavesTheClipboardAsItWas) {
  FillFiveRows();
  ASSERT_TRUE(CopyVia(RowPoint(1), PopupAnswer::Action::Dismiss));
  EXPECT_EQ(ClipboardText(), "before");
}

TEST_F(SongCopyTest, ThePopupOpensThreePixelsRightOfAndBelowThePointer) {
  FillFiveRows();
  PutOnClipboard("before");
  PopupAnswer answer(PopupAnswer::Action::Dismiss);
  ClickAt(RowPoint(3), true);
  POINT at;
  GetCursorPos(&at);
  PumpUntil([&] { return answer.seen(); }, 5000);
  PumpFor(200);
  ASSERT_TRUE(answer.seen());
  EXPECT_EQ(answer.topLeft().x, at.x + 3);
  EXPECT_EQ(answer.topLeft().y, at.y + 3);
}

TEST_F(SongCopyTest, ALongNameCellIsCopiedWhole) {
  FillFiveRows();
  std::string name;
  while (name.size() < 600) name += "长名字";
  LVITEMA item = {};
  item.iSubItem = 1;
  item.pszText = &name[0];
  SendMessageA(Control("超级列表框1"), LVM_SETITEMTEXTA, 4, reinterpret_cast<LPARAM>(&item));
  ASSERT_TRUE(CopyVia(RowPoint(4)));
  EXPECT_EQ(ClipboardText(), "歌曲名：" + name + "\r\n试听地址：http://stream.example/5.mp3");
}

TEST_F(SongCopyTest, ASecondCopyReplacesTheFirst) {
  FillFiveRows();
  ASSERT_TRUE(CopyVia(RowPoint(0)));
  ASSERT_TRUE(CopyVia(RowPoint(4)));
  EXPECT_EQ(ClipboardText(), "歌曲名：歌曲5 - 歌手5\r\n试听地址：http://stream.example/5.mp3");
}

}  // namespace
