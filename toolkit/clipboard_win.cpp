#include "toolkit/clipboard_win.h"

#include <windows.h>

#include <cstring>

namespace {

class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// A global block that is freed unless handed over.
class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T bytes) : block_(GlobalAlloc(GHND, bytes)) {}
  ~GlobalBlock() {
    if (block_ != nullptr) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL get() const { return block_; }
  void release() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

}  // namespace

bool SetClipboardText(const Text& text) {
  OpenedClipboard clipboard;
  if (!clipboard.open()) return false;
  EmptyClipboard();
  const std::size_t length = std::strlen(text.c_str());
  GlobalBlock block(length + 1);
  if (block.get() == nullptr) return false;
  void* bytes = GlobalLock(block.get());
  if (bytes == nullptr) return false;
  std::memcpy(bytes, text.c_str(), length + 1);
  GlobalUnlock(block.get());
  if (SetClipboardData(CF_TEXT, block.get()) == nullptr) return false;
  block.release();  // the clipboard owns it now
  return true;
}
