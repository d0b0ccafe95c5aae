#pragma once
#include <cstdint>

// Makes sure the engine library is in the run directory, then hands it a copy
// of built-in skin n (1..33; any other n hands it no skin at all).
void ApplyBuiltInSkin(int32_t n);
