// The main window as it stands after start: window, controls, list, menu.

#include "main_window_fixture_win.h"

namespace {

TEST_F(MainWindowTest, IsCentredWithItsOuterSizeAndFixedFrame) {
  RECT r;
  GetWindowRect(hwnd_, &r);
  EXPECT_EQ(r.right - r.left, 550);
  EXPECT_EQ(r.bottom - r.top, 286);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 550) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 286) / 2);

  const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
  const LONG exStyle = GetWindowLongA(hwnd_, GWL_EXSTYLE);
  EXPECT_FALSE(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW));
  EXPECT_EQ(GetWindow(hwnd_, GW_OWNER), nullptr);
  EXPECT_EQ(TextOf(hwnd_), "Lirabo-Melvoran");
  EXPECT_NE(GetSystemMenu(hwnd_, FALSE), nullptr);
}

TEST_F(MainWindowTest, ShowsNoMenuBarAfterStart) {
  EXPECT_EQ(GetMenu(hwnd_), nullptr);
  RECT client, expected = {0, 0, 0, 0};
  GetClientRect(hwnd_, &client);
  AdjustWindowRectEx(&expected, GetWindowLongA(hwnd_, GWL_STYLE), FALSE,
                     GetWindowLongA(hwnd_, GWL_EXSTYLE));
  EXPECT_EQ(client.right, 550 - (expected.right - expected.left));
  EXPECT_EQ(client.bottom, 286 - (expected.bottom - expected.top));
}

TEST_F(MainWindowTest, HasTheButtonFaceBackgroundTheIconAndTheGuiFont) {
  EXPECT_EQ(GetClassLongPtrA(hwnd_, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
  struct {
    WPARAM which;
    int size;
  } icons[] = {{ICON_BIG, 32}, {ICON_SMALL, 16}};
  for (const auto& icon : icons) {
    const HICON h = reinterpret_cast<HICON>(SendMessageA(hwnd_, WM_GETICON, icon.which, 0));
    ASSERT_NE(h, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(h, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, icon.size);
    EXPECT_EQ(bitmap.bmHeight, icon.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  for (HWND control : window_->controls) {
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont)
        << ClassOf(control);
  }
}

struct ControlCase {
  const char* name;
  const char* className;
  const char* caption;
  RECT rect;
  LONG styleRequired;
  LONG styleForbidden;
  LONG exRequired;
};

TEST_F(MainWindowTest, BuildsTheSevenControlsInControlOrder) {
  const LONG button = BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP;
  const LONG notButton = BS_DEFPUSHBUTTON | BS_OWNERDRAW | BS_FLAT;
  const ControlCase cases[] = {
      {"按钮3", "Button", "还是不会联系作者", {429, 225, 536, 251}, button, notButton, 0},
      {"按钮2", "Button", "使用方法", {361, 225, 427, 251}, button, notButton, 0},
      {"透明标签1", "ToolkitTransparentLabel", "友情连接：Lirabo", {10, 227, 122, 251}, 0, WS_TABSTOP,
       WS_EX_TRANSPARENT},
      {"标签1", "Static", "QQ号码", {121, 232, 156, 249}, 0, WS_BORDER | SS_SUNKEN, 0},
      {"编辑框1", "Edit", "", {162, 229, 292, 247}, ES_AUTOHSCROLL | WS_TABSTOP,
       ES_MULTILINE | ES_PASSWORD | ES_NUMBER | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL |
           ES_CENTER | ES_RIGHT | ES_READONLY,
       WS_EX_CLIENTEDGE},
      {"超级列表框1", "SysListView32", "", {8, 5, 536, 221},
       LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP,
       LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING |
           LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_OWNERDATA,
       0},
      {"按钮1", "Button", "提取", {294, 225, 360, 251}, button, notButton, 0},
  };
  ASSERT_EQ(window_->controls.size(), std::size(cases));
  HWND stacked = GetWindow(hwnd_, GW_CHILD);
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND h = Control(c.name);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h, stacked) << "stacked in control order, the first on top";
    stacked = GetWindow(stacked, GW_HWNDNEXT);
    EXPECT_EQ(ClassOf(h), c.className);
    EXPECT_EQ(TextOf(h), c.caption);
    const RECT r = RectInParent(h);
    EXPECT_EQ(r.left, c.rect.left);
    EXPECT_EQ(r.top, c.rect.top);
    EXPECT_EQ(r.right, c.rect.right);
    EXPECT_EQ(r.bottom, c.rect.bottom);
    const LONG style = GetWindowLongA(h, GWL_STYLE);
    EXPECT_EQ(style & c.styleRequired, c.styleRequired);
    EXPECT_EQ(style & c.styleForbidden, 0);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_DISABLED);
    EXPECT_EQ(GetWindowLongA(h, GWL_EXSTYLE) & c.exRequired, c.exRequired);
  }
  EXPECT_EQ(stacked, nullptr) << "no control beyond the seven";
  // The push buttons are plain push buttons, none of them the default.
  for (const char* name : {"按钮1", "按钮2", "按钮3"}) {
    EXPECT_EQ(GetWindowLongA(Control(name), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << name;
  }
}

TEST_F(MainWindowTest, SongListHasItsColumnsStylesAndColours) {
  const HWND list = Control("超级列表框1");
  EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
            LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_SUBITEMIMAGES |
                LVS_EX_INFOTIP);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0)), RGB(0, 0, 0));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0)), RGB(255, 255, 255));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0)), RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
  EXPECT_EQ(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);

  const struct {
    const char* title;
    int width;
  } columns[] = {{"序号", 40}, {"名字", 200}, {"地址", 288}};
  for (int i = 0; i < 3; ++i) {
    char title[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = sizeof(title);
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, columns[i].title);
    EXPECT_EQ(column.cx, columns[i].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
  LVCOLUMNA beyond = {};
  beyond.mask = LVCF_WIDTH;
  EXPECT_FALSE(SendMessageA(list, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&beyond)));
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  EXPECT_NE(SendMessageA(list, LVM_GETHEADER, 0, 0), 0);
}

TEST_F(MainWindowTest, RowsShowACheckBoxThatTheUserMayTick) {
  StartService(ThreeSongAnswer());
  Focus("编辑框1");
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return RowCount() == 3; }));
  const HWND list = Control("超级列表框1");
  for (int row = 0; row < 3; ++row) {
    const UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    EXPECT_EQ(state >> 12, 1u) << "an unticked check box on row " << row;
  }
  Focus("超级列表框1");
  PressKey(VK_HOME);
  PressKey(VK_SPACE);
  PumpFor(50);
  EXPECT_EQ(static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK)) >> 12, 2u);
}

TEST_F(MainWindowTest, TheEditBoxTakesAnyCharactersWithoutALimit) {
  const HWND box = Control("编辑框1");
  EXPECT_GT(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 30000);
  const std::string text = "abc 中文 &#%";
  SetWindowTextA(box, text.c_str());
  EXPECT_EQ(TextOf(box), text);
}

}  // namespace
