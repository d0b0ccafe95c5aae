#pragma once
#include <windows.h>

// Runs the message loop until the quit message; returns its exit code.
// Esc closes the program's window that has it, whichever control has the
// focus; Tab and Shift+Tab move the focus by the focus rule. Neither reaches a
// control. Enter is not taken: it reaches the focused control as a plain key.
int RunMessageLoop();

// The keyboard handling of the loop for one message; true when it took the
// message, which then goes no further.
bool TranslateWindowKeys(const MSG& message);
