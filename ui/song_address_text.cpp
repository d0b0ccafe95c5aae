#include "ui/song_address_text.h"

Text SongAddressText(const Text& name, const Text& address) {
  return "歌曲名：" + name + "\r\n试听地址：" + address;
}
