#include "playlist/fetch_playlist.h"

#include "playlist/bytes_to_text.h"
#include "playlist/extraction.h"
#include "playlist/fetch_url.h"
#include "playlist/playlist_query.h"

void FetchPlaylist(SongList& list, const Text& qqNumber) {
  list.Clear();
  Text answer;
  {
    const Bytes body = FetchUrl(PlaylistQuery(qqNumber));
    answer = BytesToText(body);
  }
  AppendSongRows(list, ExtractSongRows(answer));
}
