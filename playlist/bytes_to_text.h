#pragma once
#include "base/text.h"

// The bytes up to, not including, the first zero byte, copied unchanged.
Text BytesToText(const Bytes& bytes);
