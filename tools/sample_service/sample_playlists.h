#pragma once
// The QQ numbers the sample service knows, and the songs of each playlist.
// Every text is GBK, as the real service sends it.

#include <cstddef>
#include <string>

struct SampleSong {
  long songId;  // xqusic_id
  const char* name;
  long singerId;
  const char* singer;
  const char* url;
  long dissId;  // the album's id
  const char* album;
  int playSeconds;
};

struct SamplePlaylist {
  const char* uin;
  const SampleSong* songs;
  size_t songCount;
};

// The playlist of the QQ number exactly as written; nullptr for any other text.
const SamplePlaylist* FindSamplePlaylist(const std::string& uin);
