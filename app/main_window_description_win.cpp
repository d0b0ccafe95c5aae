// The main window as data: its properties, its seven controls in control
// order, the song list's columns and the menu that serves as the song list's
// popup.

#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"

const char kContactButton[] = "按钮3";
const char kUsageButton[] = "按钮2";
const char kHomePageLink[] = "透明标签1";
const char kQQNumberLabel[] = "标签1";
const char kQQNumberBox[] = "编辑框1";
const char kSongListName[] = "超级列表框1";
const char kExtractButton[] = "按钮1";
const char kSongMenu[] = "菜单";
const char kCopyAddressItem[] = "提取歌曲地址";

namespace {

constexpr uint32_t kButtonStyle =
    WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

const ListColumn kSongColumns[] = {
    // title   width  alignment
    {"序号", 40, LVCFMT_LEFT},
    {"名字", 200, LVCFMT_LEFT},
    {"地址", 288, LVCFMT_LEFT},
};

const ListProperties kSongListProperties = {
    LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_SUBITEMIMAGES |
        LVS_EX_INFOTIP,
    RGB(0, 0, 0),        // text
    RGB(255, 255, 255),  // text background
    RGB(255, 255, 255),  // list background
    kSongColumns,
    3,
};

const LabelProperties kLinkLabel = {DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, true};

const ControlDescription kControls[] = {
    // kind, name, caption, left, top, width, height, focus stop, tab order, visible, enabled,
    // style, extended style, list, label
    {ControlKind::PushButton, kContactButton, "还是不会联系作者", 429, 225, 107, 26, true, 0, true,
     true, kButtonStyle, 0, nullptr, nullptr},
    {ControlKind::PushButton, kUsageButton, "使用方法", 361, 225, 66, 26, true, 0, true, true,
     kButtonStyle, 0, nullptr, nullptr},
    {ControlKind::TransparentLabel, kHomePageLink, "友情连接：Lirabo", 10, 227, 112, 24, false, 0,
     true, true, 0, WS_EX_TRANSPARENT, nullptr, &kLinkLabel},
    {ControlKind::StaticLabel, kQQNumberLabel, "QQ号码", 121, 232, 35, 17, false, 0, true, true,
     SS_LEFT, 0, nullptr, nullptr},
    {ControlKind::EditBox, kQQNumberBox, "", 162, 229, 130, 18, true, 0, true, true,
     WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, nullptr, nullptr},
    {ControlKind::ReportList, kSongListName, "", 8, 5, 528, 216, true, 0, true, true,
     WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 0, &kSongListProperties, nullptr},
    {ControlKind::PushButton, kExtractButton, "提取", 294, 225, 66, 26, true, 0, true, true,
     kButtonStyle, 0, nullptr, nullptr},
};

const MenuEntry kMenu[] = {
    // name, caption, level, visible, enabled, ticked, shortcut
    {kSongMenu, "菜单", 0, true, true, false, ""},
    {kCopyAddressItem, "提取歌曲地址", 1, true, true, false, ""},
};

}  // namespace

const WindowDescription kMainWindow = {
    "LiraboMelvoranMainWindow",
    "Lirabo-Melvoran",
    550,
    286,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
    0,
    "DEFAULT_ICON",
    kControls,
    static_cast<int>(sizeof(kControls) / sizeof(kControls[0])),
    kMenu,
    static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0])),
};
