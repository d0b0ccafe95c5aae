#pragma once

// The tips window's text: seven lines, each ended by "\r\n", with an empty
// line after each but the last.
extern const char kUsageText[];
