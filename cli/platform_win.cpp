#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/platform.h"

namespace {

// Owns the temporary file's handle and, until it is kept, the file itself.
class TemporaryFile {
 public:
  explicit TemporaryFile(const Text& target) {
    // A name no other run uses at the same time: the process id and a counter.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
      name_ = target + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(counter++);
      handle_ = CreateFileA(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle_ == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
  }
  ~TemporaryFile() {
    Close();
    if (created() && !kept_) DeleteFileA(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool opened() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE handle() const { return handle_; }
  const Text& name() const { return name_; }
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    created_ = true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }
  void Keep() { kept_ = true; }

 private:
  bool created() const { return created_ || opened(); }

  Text name_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool created_ = false;
  bool kept_ = false;
};

bool WriteAll(HANDLE file, const Text& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    DWORD n = 0;
    const DWORD chunk =
        static_cast<DWORD>(std::min<std::size_t>(content.size() - written, 1 << 20));
    if (!WriteFile(file, content.data() + written, chunk, &n, nullptr) || n == 0) return false;
    written += n;
  }
  return true;
}

}  // namespace

OutputEncoding PlatformEncoding() {
  return OutputEncoding::kGbk;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool WriteFileWhole(const Text& path, const Text& content, long& error) {
  TemporaryFile file(path);
  const bool written = file.opened() && WriteAll(file.handle(), content) &&
                       FlushFileBuffers(file.handle()) && file.Close() &&
                       MoveFileExA(file.name().c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  error = written ? 0 : static_cast<long>(GetLastError());
  if (written) file.Keep();
  return written;
}
