#include "toolkit/key_codes.h"

namespace {
// Virtual-key codes, spelled out so that this file needs no Windows header.
constexpr uint32_t kNumpad0 = 0x60, kNumpad9 = 0x69;
constexpr uint32_t kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr int32_t kMinus = 189, kPeriod = 190, kSlash = 191;
}  // namespace

int32_t EventKeyCode(uint32_t virtualKey) {
  if (virtualKey >= kNumpad0 && virtualKey <= kNumpad9) {
    return static_cast<int32_t>('0' + (virtualKey - kNumpad0));
  }
  switch (virtualKey) {
    case kSubtract: return kMinus;
    case kDecimal: return kPeriod;
    case kDivide: return kSlash;
    default: return static_cast<int32_t>(virtualKey);
  }
}

int32_t ModifierState(bool ctrl, bool shift, bool alt) {
  return (ctrl ? 1 : 0) + (shift ? 2 : 0) + (alt ? 4 : 0);
}
