#pragma once
#include "base/text.h"

// The playlist service's host (with an optional ":port"), a build setting.
extern const char kPlaylistHost[];

// "http://" + host + "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=" + the QQ
// number byte for byte (not trimmed, checked or encoded) + "&g_tk=524196017".
Text PlaylistQuery(const Text& qqNumber);
Text PlaylistQueryForHost(const Text& host, const Text& qqNumber);
