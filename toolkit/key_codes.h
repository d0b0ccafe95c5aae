#pragma once
#include <cstdint>

// The key code a key-down event carries: the virtual-key code, except that the
// numeric keypad's digits give the main keyboard's digits and its minus,
// decimal point and slash give the main keyboard's minus, full stop and slash.
int32_t EventKeyCode(uint32_t virtualKey);

// 1 for Ctrl + 2 for Shift + 4 for Alt.
int32_t ModifierState(bool ctrl, bool shift, bool alt);
