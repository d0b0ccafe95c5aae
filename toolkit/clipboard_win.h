#pragma once
#include "base/text.h"

// Puts the text on the clipboard as CF_TEXT; false when the clipboard could
// not be opened (it keeps its contents) or the block could not be had (it is
// left empty).
bool SetClipboardText(const Text& text);
