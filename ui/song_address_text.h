#pragma once
#include "base/text.h"

// "歌曲名：" + name + "\r\n试听地址：" + address: the two labelled lines that
// the copy puts on the clipboard, with no line break after the address.
Text SongAddressText(const Text& name, const Text& address);
