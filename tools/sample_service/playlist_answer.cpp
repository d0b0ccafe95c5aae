#include "tools/sample_service/playlist_answer.h"

#include "tools/sample_service/sample_playlists.h"

namespace {

const char kCallback[] = "jsonCallback(";

// The keys around the three that the client picks out are those of a real
// record; the client relies only on xsong_name, xsinger_id, xsinger_name,
// xsong_url and xsong_dissid standing next to each other in this order.
std::string SongRecord(const SampleSong& song) {
  std::string record = "{xqusic_id:" + std::to_string(song.songId);
  record += ",xctype:3,xexpire_time:0,xdesc:'',xsong_name:'";
  record += song.name;
  record += "',xsinger_id:" + std::to_string(song.singerId);
  record += ",xsinger_name:'";
  record += song.singer;
  record += "',xsong_url:'";
  record += song.url;
  record += "',xsong_dissid:" + std::to_string(song.dissId);
  record += ",xalbum_name:'";
  record += song.album;
  record += "',xsong_playtime:" + std::to_string(song.playSeconds);
  record += ",xsong_type:0}";
  return record;
}

std::string PlaylistBody(const SamplePlaylist& playlist) {
  std::string body = kCallback;
  body += "{code:0,subcode:0,message:'',default:0,data:{uin:";
  body += playlist.uin;
  body += ",total:" + std::to_string(playlist.songCount) + ",songlist:[";
  for (size_t i = 0; i < playlist.songCount; ++i) {
    // One record a line, as the service lays them out; the client ignores it.
    if (i > 0) body += ",\n";
    body += SongRecord(playlist.songs[i]);
  }
  body += "]}})";
  return body;
}

std::string ErrorBody(int code, int subcode, const char* message) {
  return std::string(kCallback) + "{code:" + std::to_string(code) +
         ",subcode:" + std::to_string(subcode) + ",msg:'" + message + "'})";
}

bool IsDecimalNumber(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::string PlaylistAnswer(const std::string& uin) {
  if (!IsDecimalNumber(uin)) return ErrorBody(-2, -2, "参数错误：QQ号码无效");
  const SamplePlaylist* playlist = FindSamplePlaylist(uin);
  if (playlist == nullptr) return ErrorBody(-1, -4001, "该用户不存在或尚未设置背景音乐");
  return PlaylistBody(*playlist);
}
