#include "clipboard_support_win.h"

#include <windows.h>

#include <cstring>

std::string ClipboardText(std::size_t* blockSize) {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      const SIZE_T size = GlobalSize(data);
      if (blockSize != nullptr) *blockSize = size;
      text.assign(bytes, strnlen(bytes, size));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}
