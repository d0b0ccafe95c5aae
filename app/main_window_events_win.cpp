// The main window's event table and the handlers that belong to it.

#include "app/main_window_win.h"
#include "app/song_list_view_win.h"
#include "playlist/fetch_playlist.h"

namespace {

void FetchIntoSongList(ToolkitWindow* window) {
  SongListView list(ControlHandle(window, kSongListName));
  FetchPlaylist(list, WindowText(ControlHandle(window, kQQNumberBox)));
}

}  // namespace

void OnMainWindowCreated(const EventArgs& args) {
  // The menu serves as the song list's popup only: no menu bar.
  SetMenuEntryVisible(args.window, kSongMenu, false);
}

void OnQQNumberKeyDown(const EventArgs& args) {
  if (args.keyCode == 13) FetchIntoSongList(args.window);
}

void OnExtractClicked(const EventArgs& args) { FetchIntoSongList(args.window); }

const EventBinding kMainWindowEvents[] = {
    // source, event, handler
    {kThisWindow, EventKind::Created, OnMainWindowCreated},
    {kExtractButton, EventKind::Clicked, OnExtractClicked},
    {kQQNumberBox, EventKind::KeyDown, OnQQNumberKeyDown},
};
const int kMainWindowEventCount = sizeof(kMainWindowEvents) / sizeof(kMainWindowEvents[0]);

ToolkitWindow* LoadMainWindow() {
  return LoadWindow(kMainWindow, kMainWindowEvents, kMainWindowEventCount);
}
