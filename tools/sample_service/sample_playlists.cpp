// The sample playlists. Names and addresses are written as the real service
// writes them, GBK with no escaping: whatever bytes stand here reach the client.

#include "tools/sample_service/sample_playlists.h"

namespace {

// QQ number 12345678: a short playlist, one address of each stream kind.
const SampleSong kThreeSongs[] = {
    {102065756, "晴天", 4558, "周杰伦", "http://stream3.music.example.com/102065756.mp3", 8220,
     "叶惠美", 269},
    {101369814, "后来", 5062, "刘若英", "http://stream7.music.example.com/3101369814.wma", 8473,
     "我等你", 341},
    {100834210, "童话", 4286, "光良",
     "http://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46", 8019, "童话", 246},
};

// QQ number 87654321: a long playlist, to fill more than one screen of rows.
const SampleSong kFiftySongs[] = {
    {102072919, "七里香", 1411, "周杰伦", "http://stream1.music.example.com/102072919.mp3", 8031,
     "七里香", 299},
    {102080838, "江南", 1548, "林俊杰", "http://stream2.music.example.com/3102080838.wma", 8062,
     "第二天堂", 268},
    {102088757, "十年", 1685, "陈奕迅",
     "http://ws.stream.music.example.com/C4000102088757.m4a?fromtag=46", 8093, "黑白灰", 205},
    {102096676, "小幸运", 1822, "田馥甄", "http://stream4.music.example.com/102096676.mp3", 8124,
     "我的少女时代 电影原声带", 265},
    {102104595, "传奇", 1959, "王菲", "http://stream5.music.example.com/3102104595.wma", 8155,
     "传奇", 318},
    {102112514, "青花瓷", 1411, "周杰伦",
     "http://ws.stream.music.example.com/C4000102112514.m4a?fromtag=46", 8186, "我很忙", 239},
    {102120433, "泡沫", 2096, "邓紫棋", "http://stream7.music.example.com/102120433.mp3", 8217,
     "Xposed", 258},
    {102128352, "平凡之路", 2233, "朴树", "http://stream8.music.example.com/3102128352.wma", 8248,
     "猎户星座", 301},
    {102136271, "月亮代表我的心", 2370, "邓丽君",
     "http://ws.stream.music.example.com/C4000102136271.m4a?fromtag=46", 8279, "岛国之情歌第三集",
     209},
    {102144190, "演员", 2507, "薛之谦", "http://stream10.music.example.com/102144190.mp3", 8310,
     "绅士", 261},
    {102152109, "匆匆那年", 1959, "王菲", "http://stream11.music.example.com/3102152109.wma", 8341,
     "匆匆那年 电影原声带", 240},
    {102160028, "那些年", 2644, "胡夏",
     "http://ws.stream.music.example.com/C4000102160028.m4a?fromtag=46", 8372,
     "那些年，我们一起追的女孩 电影原声带", 376},
    {102167947, "稻香", 1411, "周杰伦", "http://stream1.music.example.com/102167947.mp3", 8403,
     "魔杰座", 223},
    {102175866, "爱情转移", 1685, "陈奕迅", "http://stream2.music.example.com/3102175866.wma", 8434,
     "认了吧", 260},
    {102183785, "光年之外", 2096, "邓紫棋",
     "http://ws.stream.music.example.com/C4000102183785.m4a?fromtag=46", 8465, "光年之外", 235},
    {102191704, "起风了", 2781, "买辣椒也用券", "http://stream4.music.example.com/102191704.mp3",
     8496, "起风了", 325},
    {102199623, "成都", 2918, "赵雷", "http://stream5.music.example.com/3102199623.wma", 8527,
     "无法长大", 328},
    {102207542, "南山南", 3055, "马頔",
     "http://ws.stream.music.example.com/C4000102207542.m4a?fromtag=46", 8558, "孤岛", 323},
    {102215461, "夜空中最亮的星", 3192, "逃跑计划",
     "http://stream7.music.example.com/102215461.mp3", 8589, "世界", 252},
    {102223380, "海阔天空", 3329, "Beyond", "http://stream8.music.example.com/3102223380.wma", 8620,
     "乐与怒", 326},
    {102231299, "红豆", 1959, "王菲",
     "http://ws.stream.music.example.com/C4000102231299.m4a?fromtag=46", 8651, "唱游", 258},
    {102239218, "遇见", 3466, "孙燕姿", "http://stream10.music.example.com/102239218.mp3", 8682,
     "The Moment", 210},
    {102247137, "她说", 1548, "林俊杰", "http://stream11.music.example.com/3102247137.wma", 8713,
     "她说 概念自选辑", 320},
    {102255056, "勇气", 3603, "梁静茹",
     "http://ws.stream.music.example.com/C4000102255056.m4a?fromtag=46", 8744, "勇气", 240},
    {102262975, "简单爱", 1411, "周杰伦", "http://stream1.music.example.com/102262975.mp3", 8775,
     "范特西", 270},
    {102270894, "倔强", 3740, "五月天", "http://stream2.music.example.com/3102270894.wma", 8806,
     "神的孩子都在跳舞", 260},
    {102278813, "突然好想你", 3740, "五月天",
     "http://ws.stream.music.example.com/C4000102278813.m4a?fromtag=46", 8837, "后青春期的诗", 265},
    {102286732, "小酒窝", 1548, "林俊杰", "http://stream4.music.example.com/102286732.mp3", 8868,
     "JJ陆", 214},
    {102294651, "认真的雪", 2507, "薛之谦", "http://stream5.music.example.com/3102294651.wma", 8899,
     "薛之谦", 261},
    {102302570, "天后", 3877, "陈势安",
     "http://ws.stream.music.example.com/C4000102302570.m4a?fromtag=46", 8930, "天后", 259},
    {102310489, "老男孩", 4014, "筷子兄弟", "http://stream7.music.example.com/102310489.mp3", 8961,
     "父亲", 299},
    {102318408, "我的歌声里", 4151, "曲婉婷", "http://stream8.music.example.com/3102318408.wma",
     8992, "Everything in the World", 267},
    {102326327, "最炫民族风", 4288, "凤凰传奇",
     "http://ws.stream.music.example.com/C4000102326327.m4a?fromtag=46", 9023, "最炫民族风", 282},
    {102334246, "画心", 4425, "张靓颖", "http://stream10.music.example.com/102334246.mp3", 9054,
     "画心", 241},
    {102342165, "因为爱情", 1685, "陈奕迅", "http://stream11.music.example.com/3102342165.wma",
     9085, "Stranger Under My Skin", 214},
    {102350084, "后会无期", 2096, "邓紫棋",
     "http://ws.stream.music.example.com/C4000102350084.m4a?fromtag=46", 9116, "后会无期", 218},
    {102358003, "当你老了", 4562, "李健", "http://stream1.music.example.com/102358003.mp3", 9147,
     "当你老了", 253},
    {102365922, "父亲", 4014, "筷子兄弟", "http://stream2.music.example.com/3102365922.wma", 9178,
     "父亲", 285},
    {102373841, "素颜", 4699, "许嵩",
     "http://ws.stream.music.example.com/C4000102373841.m4a?fromtag=46", 9209, "素颜", 238},
    {102381760, "断桥残雪", 4699, "许嵩", "http://stream4.music.example.com/102381760.mp3", 9240,
     "断桥残雪", 232},
    {102389679, "不将就", 4836, "李荣浩", "http://stream5.music.example.com/3102389679.wma", 9271,
     "有理想", 313},
    {102397598, "李白", 4836, "李荣浩",
     "http://ws.stream.music.example.com/C4000102397598.m4a?fromtag=46", 9302, "模特", 273},
    {102405517, "丑八怪", 2507, "薛之谦", "http://stream7.music.example.com/102405517.mp3", 9333,
     "意外", 253},
    {102413436, "思念是一种病", 4973, "张震岳", "http://stream8.music.example.com/3102413436.wma",
     9364, "OK", 310},
    {102421355, "隐形的翅膀", 5110, "张韶涵",
     "http://ws.stream.music.example.com/C4000102421355.m4a?fromtag=46", 9395, "潘朵拉", 226},
    {102429274, "欧若拉", 5110, "张韶涵", "http://stream10.music.example.com/102429274.mp3", 9426,
     "欧若拉", 238},
    {102437193, "千里之外", 1411, "周杰伦", "http://stream11.music.example.com/3102437193.wma",
     9457, "依然范特西", 254},
    {102445112, "菊花台", 1411, "周杰伦",
     "http://ws.stream.music.example.com/C4000102445112.m4a?fromtag=46", 9488, "依然范特西", 295},
    {102453031, "但愿人长久", 1959, "王菲", "http://stream1.music.example.com/102453031.mp3", 9519,
     "但愿人长久", 231},
    {102460950, "明天会更好", 5247, "群星", "http://stream2.music.example.com/3102460950.wma", 9550,
     "明天会更好", 387},
};

// QQ number 99999999: bytes that trouble whoever writes the rows out again.
// A GBK double-byte character may end in 0x5C, the backslash: 錦 is E5 5C.
const SampleSong kTrickySongs[] = {
    {200000001, "夜曲\t(现场版)", 4558, "周杰伦", "http://stream1.music.example.com/200000001.mp3",
     9001, "制表符", 226},
    {200000002, "C:\\音乐\\晴天\\", 4558, "周杰伦",
     "http://stream2.music.example.com/200000002.mp3", 9002, "反斜杠", 269},
    {200000003, "他说\"你好\"", 6018, "陶喆", "http://stream3.music.example.com/3200000003.wma",
     9003, "双引号", 251},
    {200000004, "第一行\n第二行", 6120, "换行\r\n乐队",
     "http://stream4.music.example.com/200000004.mp3", 9004, "换行", 198},
    {200000005,
     "坏字节\xFF"
     "在中间",
     6233, "结尾半个字\xB0", "http://stream5.music.example.com/3200000005.wma", 9005, "无效字节",
     200},
    {200000006, "錦鯉抄", 6347, "銀臨",
     "http://ws.stream.music.example.com/C4000200000006.m4a?fromtag=46", 9006, "腔調", 283},
    {200000007, "Don't Cry", 6459, "Guns N' Roses",
     "http://ws.stream.music.example.com/C4000200000007.m4a?vkey=9F3A&guid=1234567890&fromtag=46",
     9007, "Use Your Illusion I", 284},
    {200000008, "无名歌手的歌", 0, "", "http://stream8.music.example.com/200000008.mp3", 9008, "",
     180},
};

template <size_t N>
constexpr SamplePlaylist Playlist(const char* uin, const SampleSong (&songs)[N]) {
  return {uin, songs, N};
}

// QQ number 20000000 has a playlist with no songs in it.
const SamplePlaylist kPlaylists[] = {
    Playlist("12345678", kThreeSongs),
    Playlist("87654321", kFiftySongs),
    {"20000000", nullptr, 0},
    Playlist("99999999", kTrickySongs),
};

}  // namespace

const SamplePlaylist* FindSamplePlaylist(const std::string& uin) {
  for (const SamplePlaylist& playlist : kPlaylists) {
    if (uin == playlist.uin) return &playlist;
  }
  return nullptr;
}
