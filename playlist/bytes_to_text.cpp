#include "playlist/bytes_to_text.h"

#include <algorithm>

Text BytesToText(const Bytes& bytes) {
  return Text(bytes.begin(), std::find(bytes.begin(), bytes.end(), '\0'));
}
