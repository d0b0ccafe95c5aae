#pragma once
#include "base/text.h"
#include "playlist/song_list.h"
#include "playlist/song_row.h"

// Empties the list, asks the playlist service for the QQ number's playlist and
// appends one row per song. Nothing is reported: a failure leaves fewer rows.
void FetchPlaylist(SongList& list, const Text& qqNumber);

// Appends the rows in order, each complete before the next; stops at the first
// row that the list cannot take, keeping the rows before it.
void AppendSongRows(SongList& list, const SongRows& rows);
