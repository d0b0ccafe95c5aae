// The main window's event table and the handlers that belong to it.

#include "app/main_window_win.h"
#include "playlist/fetch_playlist.h"
#include "skin/apply_builtin_skin_win.h"
#include "ui/outbound_links.h"
#include "ui/song_address_copy_win.h"
#include "ui/song_list_view_win.h"
#include "ui/usage_window_win.h"

namespace {

void FetchIntoSongList(ToolkitWindow* window) {
  const HWND listView = ControlHandle(window, kSongListName);
  // The list is drawn once, when it is full, not after every row.
  const ListRedrawPause pause(listView);
  SongListView list(listView);
  FetchPlaylist(list, WindowText(ControlHandle(window, kQQNumberBox)));
}

void OnSongListRightClick(const EventArgs& args) { ShowSongMenu(args.window, kSongMenu); }

void OnCopyAddressSelected(const EventArgs& args) {
  SongListView list(ControlHandle(args.window, kSongListName));
  CopySongAddress(list);
}

}  // namespace

void OnMainWindowCreated(const EventArgs& args) {
  ApplyBuiltInSkin(13);
  // The menu serves as the song list's popup only: no menu bar.
  SetMenuEntryVisible(args.window, kSongMenu, false);
  OpenHomePage();
}

void OnQQNumberKeyDown(const EventArgs& args) {
  if (args.keyCode == 13) FetchIntoSongList(args.window);
}

void OnExtractClicked(const EventArgs& args) { FetchIntoSongList(args.window); }

const EventBinding kMainWindowEvents[] = {
    // source, event, handler
    {kThisWindow, EventKind::Created, OnMainWindowCreated},
    {kContactButton, EventKind::Clicked, [](const EventArgs&) { OpenContactPage(); }},
    {kUsageButton, EventKind::Clicked, [](const EventArgs&) { ShowUsageWindow(); }},
    {kHomePageLink, EventKind::LeftButtonDown, [](const EventArgs&) { OpenHomePage(); }},
    {kQQNumberBox, EventKind::KeyDown, OnQQNumberKeyDown},
    {kSongListName, EventKind::RightClick, OnSongListRightClick},
    {kExtractButton, EventKind::Clicked, OnExtractClicked},
    {kCopyAddressItem, EventKind::Selected, OnCopyAddressSelected},
};
const int kMainWindowEventCount = sizeof(kMainWindowEvents) / sizeof(kMainWindowEvents[0]);

ToolkitWindow* LoadMainWindow() {
  return LoadWindow(kMainWindow, kMainWindowEvents, kMainWindowEventCount);
}
