#include "bench/generated_answers.h"

#include <string>

namespace {

struct Song {
  const char* name;
  const char* singer;
  const char* album;
};

// Lengths vary as in real playlists: two to seven characters a name.
const Song kSongs[] = {
    {"晴天", "周杰伦", "叶惠美"},
    {"后来", "刘若英", "我等你"},
    {"童话", "光良", "童话"},
    {"十年", "陈奕迅", "黑白灰"},
    {"小幸运", "田馥甄", "我的少女时代"},
    {"月亮代表我的心", "邓丽君", "岛国之情歌"},
    {"平凡之路", "朴树", "猎户星座"},
    {"夜空中最亮的星", "逃跑计划", "世界"},
};

std::string Address(std::size_t i, long id) {
  switch (i % 3) {
    case 0:
      return "http://stream" + std::to_string(i % 12 + 1) + ".music.example.com/" +
             std::to_string(id) + ".mp3";
    case 1:
      return "http://stream" + std::to_string(i % 12 + 1) + ".music.example.com/3" +
             std::to_string(id) + ".wma";
    default:
      return "http://ws.stream.music.example.com/C400" + std::to_string(id) + ".m4a?fromtag=46";
  }
}

}  // namespace

Text GeneratedAnswer(std::size_t songs) {
  Text body = "jsonCallback({code:0,subcode:0,message:'',default:0,data:{uin:87654321,total:";
  body += std::to_string(songs) + ",songlist:[";
  for (std::size_t i = 0; i < songs; ++i) {
    const Song& song = kSongs[i % (sizeof kSongs / sizeof kSongs[0])];
    const long id = 102000000 + static_cast<long>(i) * 7919;
    if (i > 0) body += ",\n";
    body += "{xqusic_id:" + std::to_string(id) + ",xctype:3,xexpire_time:0,xdesc:'',xsong_name:'";
    body += song.name;
    body += "',xsinger_id:" + std::to_string(1000 + i % 977) + ",xsinger_name:'";
    body += song.singer;
    body += "',xsong_url:'" + Address(i, id) + "',xsong_dissid:" + std::to_string(8000 + i % 613);
    body += ",xalbum_name:'";
    body += song.album;
    body += "',xsong_playtime:" + std::to_string(200 + i % 180) + ",xsong_type:0}";
  }
  body += "]}})";
  return body;
}

Text HostileAnswer(const char* unit, std::size_t bytes) {
  Text text;
  text.reserve(bytes + 64);
  while (text.size() < bytes) text += unit;
  return text;
}
