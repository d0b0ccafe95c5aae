#include "playlist/playlist_query.h"

#include "build_settings.h"

const char kPlaylistHost[] = QZ_PLAYLIST_HOST;

namespace {
const char kScheme[] = "http://";
const char kPathAndFirstKeys[] = "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=";
const char kToken[] = "&g_tk=524196017";
}  // namespace

Text PlaylistQueryForHost(const Text& host, const Text& qqNumber) {
  return kScheme + host + kPathAndFirstKeys + qqNumber + kToken;
}

Text PlaylistQuery(const Text& qqNumber) { return PlaylistQueryForHost(kPlaylistHost, qqNumber); }
