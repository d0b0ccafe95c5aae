#pragma once
#include "base/text.h"

// Hands the address to the shell's "open" action (the default browser).
// The result is not looked at; nothing is reported.
void OpenWebPage(const Text& address);
