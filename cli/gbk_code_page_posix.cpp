// The GBK table through glibc's iconv.

#include <iconv.h>

#include <cstring>

#include "cli/gbk_code_page.h"

namespace {

// One conversion descriptor for the process, closed at exit.
class GbkToUtf32 {
 public:
  GbkToUtf32() : descriptor_(iconv_open("UTF-32LE", "GBK")) {}
  ~GbkToUtf32() {
    if (valid()) iconv_close(descriptor_);
  }
  GbkToUtf32(const GbkToUtf32&) = delete;
  GbkToUtf32& operator=(const GbkToUtf32&) = delete;

  bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return descriptor_; }

 private:
  iconv_t descriptor_;
};

}  // namespace

bool GbkCharacterToCodePoint(const char* bytes, std::size_t length, uint32_t& codePoint) {
  static GbkToUtf32 converter;
  if (!converter.valid()) return false;
  iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // no state left from before

  char in[2] = {};
  std::memcpy(in, bytes, length < sizeof(in) ? length : sizeof(in));
  char out[8] = {};
  char* inPointer = in;
  char* outPointer = out;
  std::size_t inLeft = length;
  std::size_t outLeft = sizeof(out);
  if (iconv(converter.get(), &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1))
    return false;
  // One character in gives exactly one code point out.
  if (inLeft != 0 || sizeof(out) - outLeft != 4) return false;
  const unsigned char* u = reinterpret_cast<const unsigned char*>(out);
  codePoint = static_cast<uint32_t>(u[0]) | static_cast<uint32_t>(u[1]) << 8 |
              static_cast<uint32_t>(u[2]) << 16 | static_cast<uint32_t>(u[3]) << 24;
  return true;
}
