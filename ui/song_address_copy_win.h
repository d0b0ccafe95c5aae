#pragma once
#include "playlist/song_list.h"
#include "toolkit/window_win.h"

// The song list's right click: pops up the window's menu `songMenu` at the pointer.
void ShowSongMenu(ToolkitWindow* mainWindow, const char* songMenu);

// Puts the selected row's name and address on the clipboard as two labelled
// lines. Nothing checks that a row is selected: with none, the labels alone.
void CopySongAddress(SongList& list);
