#pragma once
#include <string>

// The CF_TEXT bytes on the clipboard (up to their NUL), and the block's size.
std::string ClipboardText(std::size_t* blockSize = nullptr);
// Puts a text there as another program would.
void PutOnClipboard(const std::string& text);
