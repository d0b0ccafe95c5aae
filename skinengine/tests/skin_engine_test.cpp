// The engine DLL under Wine, loaded from the tree as the program loads it,
// against windows of its own that look like the program's.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skinengine/format/color_adjust.h"
#include "skinengine/format/skin_binary.h"
#include "skinengine/tests/engine_library_win.h"
#include "skinengine/tests/test_window_win.h"

namespace {

constexpr int kStartSkin = 13;

std::uint32_t Rgb(SkinColor c) {
  return (std::uint32_t{c.red} << 16) | (c.green << 8) | c.blue;
}

// A point of the window's client area in window (capture) coordinates.
POINT ClientPoint(HWND window, int x, int y) {
  RECT outer;
  GetWindowRect(window, &outer);
  POINT p = {x, y};
  ClientToScreen(window, &p);
  return {p.x - outer.left, p.y - outer.top};
}

// The run of the caption's middle line where the system's hit test answers
// HTCLOSE, in window coordinates.
RECT CloseButtonByHitTest(HWND window) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT top = {0, 0};
  ClientToScreen(window, &top);
  const int y = (outer.top + top.y) / 2;
  RECT found = {0, 0, 0, 0};
  for (int x = outer.right - 1; x > outer.left; --x) {
    const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    if (hit == HTCLOSE) {
      if (found.right == 0) found.right = x - outer.left + 1;
      found.left = x - outer.left;
    } else if (found.right != 0) {
      break;
    }
  }
  // The caption band of the close button.
  found.top = (y - outer.top) - 4;
  found.bottom = (y - outer.top) + 5;
  return found;
}

bool AnyPixel(const Capture& c, const RECT& area, std::uint32_t color) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (c.at(x, y) == color) return true;
    }
  }
  return false;
}

RECT ClientArea(HWND window, HWND child) {
  RECT r;
  GetClientRect(child, &r);
  MapWindowPoints(child, window, reinterpret_cast<POINT*>(&r), 2);
  RECT outer;
  GetWindowRect(window, &outer);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&r, origin.x - outer.left, origin.y - outer.top);
  return r;
}

// Checks a capture of a window drawn in `scheme` against one of the same
// window in the system's look.
void ExpectDrawnInScheme(const TestWindow& w, const Capture& plain, const Capture& skinned,
                         const SkinScheme& scheme) {
  ASSERT_EQ(plain.width, skinned.width);
  ASSERT_EQ(plain.height, skinned.height);

  const POINT empty = ClientPoint(w.window, 300, 290);
  EXPECT_EQ(skinned.at(empty.x, empty.y), Rgb(scheme.color(ColorRole::Window))) << "background";
  EXPECT_EQ(skinned.at(0, skinned.height / 2), Rgb(scheme.color(ColorRole::Frame))) << "frame";
  EXPECT_GT(DifferingPixels(plain, skinned, {0, 0, skinned.width, ClientPoint(w.window, 0, 0).y}),
            0)
      << "caption";

  const RECT close = CloseButtonByHitTest(w.window);
  ASSERT_LT(close.left, close.right) << "no close button in the hit test";
  EXPECT_TRUE(AnyPixel(skinned, close, Rgb(scheme.color(ColorRole::CaptionText))))
      << "our close glyph lies where the system's hit test puts the close button";

  for (HWND control : {w.button, w.edit, w.list}) {
    EXPECT_GT(DifferingPixels(plain, skinned, ChildRect(w.window, control)), 20)
        << "control " << control;
  }
  // Right of the label's text, and in the transparent label's background.
  const RECT label = ClientArea(w.window, w.label);
  EXPECT_EQ(skinned.at(label.right - 2, label.top + 2), Rgb(scheme.color(ColorRole::Window)));
  const RECT tips = ClientArea(w.window, w.transparentLabel);
  EXPECT_EQ(skinned.at(tips.right - 2, tips.bottom - 2), Rgb(scheme.color(ColorRole::Window)))
      << "transparent label over the skin's background";

  // Rows area below the last row, and no grid line left in the system colour.
  const RECT list = ClientArea(w.window, w.list);
  EXPECT_EQ(skinned.at(list.left + 20, list.bottom - 8), Rgb(scheme.color(ColorRole::List)));
  const std::uint32_t systemGrid = ::Rgb(static_cast<COLORREF>(GetSysColor(COLOR_3DFACE)));
  // Right of the check boxes, whose images carry the system colour too.
  const RECT lines = {list.left + 20, list.top, list.right, list.bottom};
  EXPECT_TRUE(AnyPixel(plain, lines, systemGrid)) << "the plain list has grid lines";
  EXPECT_FALSE(AnyPixel(skinned, lines, systemGrid)) << "a grid line kept the system colour";
  EXPECT_TRUE(AnyPixel(skinned, list, Rgb(scheme.color(ColorRole::ListGrid))));
  const RECT header = ChildRect(w.window, ListView_GetHeader(w.list));
  EXPECT_TRUE(AnyPixel(skinned, header, Rgb(scheme.color(ColorRole::ListHeader))));
}

struct WindowState {
  std::vector<LONG> styles;
  std::vector<Text> texts;
  std::vector<RECT> rects;
  std::vector<WPARAM> fonts;
  COLORREF listColors[3] = {};
  DWORD listExStyle = 0;
  std::vector<BOOL> checks;
  std::vector<BOOL> unicode;  // the character set each window takes messages in
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

WindowState Snapshot(const TestWindow& w) {
  WindowState s;
  for (HWND h : {w.window, w.button, w.edit, w.label, w.transparentLabel, w.list,
                 ListView_GetHeader(w.list)}) {
    s.styles.push_back(GetWindowLongA(h, GWL_STYLE));
    s.styles.push_back(GetWindowLongA(h, GWL_EXSTYLE));
    char text[256] = {};
    GetWindowTextA(h, text, sizeof(text));
    s.texts.push_back(text);
    char cls[64] = {};
    GetClassNameA(h, cls, sizeof(cls));
    s.texts.push_back(cls);
    RECT r;
    GetWindowRect(h, &r);
    s.rects.push_back(r);
    GetClientRect(h, &r);
    s.rects.push_back(r);
    s.fonts.push_back(static_cast<WPARAM>(SendMessageA(h, WM_GETFONT, 0, 0)));
    s.unicode.push_back(IsWindowUnicode(h));
  }
  s.listColors[0] = ListView_GetTextColor(w.list);
  s.listColors[1] = ListView_GetBkColor(w.list);
  s.listColors[2] = ListView_GetTextBkColor(w.list);
  s.listExStyle = ListView_GetExtendedListViewStyle(w.list);
  for (int i = 0; i < ListView_GetItemCount(w.list); ++i) {
    s.checks.push_back(ListView_GetCheckState(w.list, i));
  }
  return s;
}

void ExpectSameState(const WindowState& a, const WindowState& b) {
  EXPECT_EQ(a.styles, b.styles);
  EXPECT_EQ(a.texts, b.texts);
  ASSERT_EQ(a.rects.size(), b.rects.size());
  for (std::size_t i = 0; i < a.rects.size(); ++i)
    EXPECT_TRUE(SameRect(a.rects[i], b.rects[i])) << i;
  EXPECT_EQ(a.fonts, b.fonts);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(a.listColors[i], b.listColors[i]) << "list colour " << i;
  EXPECT_EQ(a.listExStyle, b.listExStyle);
  EXPECT_EQ(a.checks, b.checks);
  EXPECT_EQ(a.unicode, b.unicode) << "a window's character set changed";
}

class SkinEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    // Keep the mouse off the windows, so that nothing is drawn hot by chance.
    SetCursorPos(1010, 750);
    ASSERT_TRUE(engine_.loaded()) << "SkinH_EL.dll or its export SkinH_AttachRes not found";
    skin_ = BuiltinSkin(kStartSkin);
    ASSERT_FALSE(skin_.empty());
    scheme_ = SchemeOf(skin_);
    ASSERT_FALSE(scheme_.name.empty());
  }
  void TearDown() override {
    for (TestWindow* w : windows_) DestroyTestWindow(w);
    engine_.Free();
  }
  TestWindow* NewWindow() {
    windows_.push_back(CreateTestWindow(40, 40));
    return windows_.back();
  }
  void Close(TestWindow* w) {
    windows_.erase(std::find(windows_.begin(), windows_.end(), w));
    DestroyTestWindow(w);
  }

  EngineLibrary engine_;
  Bytes skin_;
  SkinScheme scheme_;
  std::vector<TestWindow*> windows_;
};

TEST_F(SkinEngine, ExportIsFoundByItsUndecoratedName) {
  const HMODULE module = LoadLibraryA(WindowsPath(SKIN_ENGINE_DLL).c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_NE(GetProcAddress(module, "SkinH_AttachRes"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "_SkinH_AttachRes@24"), nullptr);
  FreeLibrary(module);
}

TEST_F(SkinEngine, DrawsWindowsThatExistAtTheCall) {
  TestWindow* w = NewWindow();
  const Capture plain = CaptureWindow(w->window);
  ASSERT_EQ(engine_.Attach(skin_), 0);
  Settle(w->window);
  ExpectDrawnInScheme(*w, plain, CaptureWindow(w->window), scheme_);
}

TEST_F(SkinEngine, DrawsWindowsCreatedAfterTheCall) {
  TestWindow* reference = NewWindow();
  const Capture plain = CaptureWindow(reference->window);
  Close(reference);
  ASSERT_EQ(engine_.Attach(skin_), 0);
  TestWindow* w = NewWindow();
  ExpectDrawnInScheme(*w, plain, CaptureWindow(w->window), scheme_);
}

TEST_F(SkinEngine, AppliesTheColourAdjustment) {
  TestWindow* w = NewWindow();
  ASSERT_EQ(engine_.Attach(skin_, "", 120, -20, 10), 0);
  Settle(w->window);
  const POINT empty = ClientPoint(w->window, 300, 290);
  EXPECT_EQ(CaptureWindow(w->window).at(empty.x, empty.y),
            Rgb(AdjustColor(scheme_.color(ColorRole::Window), 120, -20, 10)));
}

struct RefusedCase {
  const char* what;
  Bytes data;
  bool null;  // passes (NULL, 0) instead of the data
};

std::vector<RefusedCase> RefusedCases(const Bytes& skin, const SkinScheme& scheme) {
  Bytes damaged = skin;
  damaged[damaged.size() / 2] ^= 0x10;
  Bytes foreign = skin;
  std::memcpy(foreign.data(), "MZ\x90\0", 4);
  const SkinSalt salt = {9, 8, 7, 6, 5, 4, 3, 2, 1};
  return {
      {"damaged", damaged, false},
      {"wrong password", SerializeSkin(scheme, "secret", salt), false},
      {"too short", Bytes(skin.begin(), skin.begin() + 20), false},
      {"not a skin", foreign, false},
      {"no data", {}, true},
  };
}

TEST_F(SkinEngine, RefusedDataChangesNothing) {
  TestWindow* w = NewWindow();
  const auto attempt = [&](const RefusedCase& c) {
    return c.null ? engine_.AttachNothing() : engine_.Attach(c.data);
  };
  const Capture plain = CaptureWindow(w->window);
  const RECT all = {0, 0, plain.width, plain.height};
  for (const RefusedCase& c : RefusedCases(skin_, scheme_)) {
    EXPECT_NE(attempt(c), 0) << c.what;
    Settle(w->window);
    EXPECT_EQ(DifferingPixels(plain, CaptureWindow(w->window), all), 0)
        << c.what << " changed an unskinned window";
  }

  ASSERT_EQ(engine_.Attach(BuiltinSkin(7)), 0);
  Settle(w->window);
  const Capture skinned = CaptureWindow(w->window);
  ASSERT_GT(DifferingPixels(plain, skinned, all), 0);
  for (const RefusedCase& c : RefusedCases(skin_, scheme_)) {
    EXPECT_NE(attempt(c), 0) << c.what;
    Settle(w->window);
    EXPECT_EQ(DifferingPixels(skinned, CaptureWindow(w->window), all), 0)
        << c.what << " changed or removed the skin in force";
  }
}

TEST_F(SkinEngine, ProtectedSkinAppliesWithItsPassword) {
  TestWindow* w = NewWindow();
  const SkinSalt salt = {1, 2, 3};
  const Bytes locked = SerializeSkin(scheme_, "secret", salt);
  EXPECT_NE(engine_.Attach(locked, ""), 0);
  ASSERT_EQ(engine_.Attach(locked, "secret"), 0);
  Settle(w->window);
  const POINT empty = ClientPoint(w->window, 300, 290);
  EXPECT_EQ(CaptureWindow(w->window).at(empty.x, empty.y), Rgb(scheme_.color(ColorRole::Window)));
}

TEST_F(SkinEngine, LeavesWhatTheProgramCanReadAsItWas) {
  TestWindow* existing = NewWindow();
  const WindowState before = Snapshot(*existing);
  ASSERT_EQ(engine_.Attach(skin_), 0);
  Settle(existing->window);
  ExpectSameState(before, Snapshot(*existing));
  Close(existing);
  // A window made under the skin is made exactly as without it.
  TestWindow* created = NewWindow();
  ExpectSameState(before, Snapshot(*created));
}

TEST_F(SkinEngine, KeysClicksAndFocusWorkAsWithoutTheSkin) {
  for (bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    if (skinned) {
      ASSERT_EQ(engine_.Attach(skin_), 0);
    }
    TestWindow* w = NewWindow();

    RECT r;
    GetClientRect(w->button, &r);
    const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(w->button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(w->button, WM_LBUTTONUP, 0, centre);
    PumpMessages(w->window, 100);
    EXPECT_EQ(w->clicks, 1);

    SetFocus(w->list);
    ListView_SetItemState(w->list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    const BOOL checked = ListView_GetCheckState(w->list, 0);
    PostMessageA(w->list, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageA(w->list, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    PumpMessages(w->window, 100);
    EXPECT_NE(ListView_GetCheckState(w->list, 0), checked) << "Space toggles the check box";

    RECT row;
    ListView_GetItemRect(w->list, 1, &row, LVIR_LABEL);
    const LPARAM onRow = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageA(w->list, WM_RBUTTONUP, 0, onRow);
    SendMessageA(w->list, WM_RBUTTONDOWN, MK_RBUTTON, onRow);
    PumpMessages(w->window, 100);
    EXPECT_EQ(w->rightClicks, 1) << "a right click on a row notifies NM_RCLICK";

    SetFocus(w->edit);
    PostMessageA(w->edit, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpMessages(w->window, 100);
    EXPECT_EQ(GetFocus(), w->button) << "Tab goes from the edit box to the button";
    PostMessageA(w->button, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpMessages(w->window, 100);
    EXPECT_EQ(GetFocus(), w->list) << "and on to the list";

    Close(w);
  }
}

TEST_F(SkinEngine, PushButtonLooksDifferentInEachState) {
  ASSERT_EQ(engine_.Attach(skin_), 0);
  TestWindow* w = NewWindow();
  const RECT area = ChildRect(w->window, w->button);
  std::vector<std::pair<const char*, Capture>> looks;

  SetFocus(w->edit);
  Settle(w->window);
  looks.emplace_back("normal", CaptureWindow(w->window));

  RECT screen;
  GetWindowRect(w->button, &screen);
  SetCursorPos((screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2);
  SendMessageA(w->button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  looks.emplace_back("hot", CaptureWindow(w->window));
  SetCursorPos(1010, 750);
  PumpMessages(nullptr, 150);

  SendMessageA(w->button, BM_SETSTATE, TRUE, 0);
  looks.emplace_back("pressed", CaptureWindow(w->window));
  SendMessageA(w->button, BM_SETSTATE, FALSE, 0);

  SetFocus(w->button);
  Settle(w->window);
  looks.emplace_back("focused", CaptureWindow(w->window));

  SetFocus(w->edit);
  EnableWindow(w->button, FALSE);
  Settle(w->window);
  looks.emplace_back("disabled", CaptureWindow(w->window));

  for (std::size_t a = 0; a < looks.size(); ++a) {
    for (std::size_t b = a + 1; b < looks.size(); ++b) {
      EXPECT_GT(DifferingPixels(looks[a].second, looks[b].second, area), 10)
          << looks[a].first << " and " << looks[b].first << " look the same";
    }
  }
}

TEST_F(SkinEngine, UnloadWithSkinnedWindowsAliveIsSafe) {
  TestWindow* w = NewWindow();
  const Capture plain = CaptureWindow(w->window);
  ASSERT_EQ(engine_.Attach(skin_), 0);
  Settle(w->window);
  engine_.Free();

  // Every message that the engine handled now reaches the windows' own code.
  Settle(w->window);
  const RECT all = {0, 0, plain.width, plain.height};
  EXPECT_EQ(DifferingPixels(plain, CaptureWindow(w->window), all), 0)
      << "after the unload the windows look as they did before the skin";
  SendMessageA(w->button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(w->button, BM_SETSTATE, TRUE, 0);
  SendMessageA(w->window, WM_NCACTIVATE, FALSE, 0);
  SendMessageA(w->window, WM_NCPAINT, 1, 0);
  SetWindowTextA(w->window, "renamed");
  PostMessageA(w->button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(w->button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SetFocus(w->list);
  PostMessageA(w->list, WM_KEYDOWN, VK_DOWN, 0);
  Settle(w->window);
  EXPECT_EQ(w->clicks, 1);
  // The creation hook is gone too.
  TestWindow* later = NewWindow();
  Settle(later->window);
  Close(later);
  Close(w);
}

// The program subclasses its edit box after the skin took it over, as its
// toolkit does for key-down events.
struct KeySpy {
  int keys = 0;
};
LRESULT CALLBACK KeySpyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR ref) {
  if (message == WM_KEYDOWN) ++reinterpret_cast<KeySpy*>(ref)->keys;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The engine pins itself in this process here: this stays the file's last test.
TEST_F(SkinEngine, UnloadUnderAnotherSubclassKeepsTheChainWhole) {
  TestWindow* w = NewWindow();
  ASSERT_EQ(engine_.Attach(skin_), 0);
  Settle(w->window);
  KeySpy spy;
  ASSERT_TRUE(SetWindowSubclass(w->edit, KeySpyProc, 1, reinterpret_cast<DWORD_PTR>(&spy)));
  SendMessageA(w->edit, WM_KEYDOWN, 'A', 0);  // the program's windows are in use
  engine_.Free();

  // The edit's messages still pass through every procedure of its chain.
  SetWindowTextA(w->edit, "");
  SendMessageA(w->edit, WM_KEYDOWN, 'B', 0);
  SendMessageA(w->edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("Ab"));
  Settle(w->window);
  EXPECT_EQ(spy.keys, 2);
  char text[16] = {};
  GetWindowTextA(w->edit, text, sizeof(text));
  EXPECT_STREQ(text, "Ab");
  RemoveWindowSubclass(w->edit, KeySpyProc, 1);
  Close(w);  // destroying it calls into the engine's procedure once more
}

}  // namespace
