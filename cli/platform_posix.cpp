#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "cli/platform.h"

namespace {

// Owns a file descriptor and, until it is kept, the temporary file's name.
class TemporaryFile {
 public:
  explicit TemporaryFile(const Text& target) : name_(target + ".tmp-XXXXXX") {
    fd_ = mkstemp(&name_[0]);
    created_ = fd_ >= 0;
  }
  ~TemporaryFile() {
    Close();
    if (created_ && !kept_) unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool opened() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const Text& name() const { return name_; }
  bool Close() {
    if (fd_ < 0) return true;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    return closed;
  }
  void Keep() { kept_ = true; }

 private:
  Text name_;
  int fd_ = -1;
  bool created_ = false;
  bool kept_ = false;
};

bool WriteAll(int fd, const Text& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// mkstemp makes the file readable by its owner alone; an export gets the
// permissions of any file the user creates.
bool GiveUsualPermissions(int fd) {
  const mode_t mask = umask(0);
  umask(mask);
  return fchmod(fd, 0666 & ~mask) == 0;
}

}  // namespace

OutputEncoding PlatformEncoding() {
  return OutputEncoding::kUtf8;
}

void UseBinaryStandardStreams() {}

bool WriteFileWhole(const Text& path, const Text& content, long& error) {
  TemporaryFile file(path);
  const bool written = file.opened() && GiveUsualPermissions(file.fd()) &&
                       WriteAll(file.fd(), content) && fsync(file.fd()) == 0 && file.Close() &&
                       rename(file.name().c_str(), path.c_str()) == 0;
  error = written ? 0 : errno;
  if (written) file.Keep();
  return written;
}
