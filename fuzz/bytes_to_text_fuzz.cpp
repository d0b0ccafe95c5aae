// BytesToText gives the bytes up to the first zero byte, unchanged.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/check.h"
#include "playlist/bytes_to_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* const bytes = reinterpret_cast<const char*>(data);
  const void* const zero = std::memchr(bytes, '\0', size);
  const std::size_t length =
      zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : size;
  const Text text = BytesToText(Bytes(bytes, bytes + size));
  Agree(text.size() == length, "length is not that up to the first zero byte");
  Agree(std::memcmp(text.data(), bytes, length) == 0, "bytes changed");
  return 0;
}
