#pragma once
#include "toolkit/window_win.h"

// The main window: its description, its event table and its handlers.
extern const WindowDescription kMainWindow;
extern const EventBinding kMainWindowEvents[];
extern const int kMainWindowEventCount;

// Names of the main window's controls and menu entries.
extern const char kContactButton[];   // "按钮3"
extern const char kUsageButton[];     // "按钮2"
extern const char kHomePageLink[];    // "透明标签1"
extern const char kQQNumberLabel[];   // "标签1"
extern const char kQQNumberBox[];     // "编辑框1"
extern const char kSongListName[];    // "超级列表框1"
extern const char kExtractButton[];   // "按钮1"
extern const char kSongMenu[];        // "菜单"
extern const char kCopyAddressItem[];  // "提取歌曲地址"

ToolkitWindow* LoadMainWindow();

void OnMainWindowCreated(const EventArgs& args);
void OnQQNumberKeyDown(const EventArgs& args);
// The click on "提取": FetchPlaylist with the song list and the box's text now.
void OnExtractClicked(const EventArgs& args);
