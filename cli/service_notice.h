#pragma once
// What the playlist service says about an answer that holds no songs: its
// code and its message, e.g. code:-1 and msg:'...' for an unknown QQ number.

#include "base/text.h"

struct ServiceNotice {
  Text code;     // the value of the first code key, e.g. "-1"; "" when there is none
  Text message;  // the first non-empty msg or message value (GBK); "" when there is none
};

ServiceNotice ReadServiceNotice(const Text& answer);
