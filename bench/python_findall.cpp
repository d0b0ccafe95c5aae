#include "bench/python_findall.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// A file under /tmp that holds the answer while it lives.
class TemporaryFile {
 public:
  explicit TemporaryFile(const Text& contents) {
    char name[] = "/tmp/qz-bench-answer-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return;
    const bool written =
        write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
    close(fd);
    path_ = name;
    if (!written) path_.clear();
  }
  ~TemporaryFile() {
    if (!path_.empty()) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct PipeCloser {
  void operator()(FILE* pipe) const { pclose(pipe); }
};

}  // namespace

PythonTiming PythonFindall(const Text& answer, int runs) {
  PythonTiming timing;
  const TemporaryFile file(answer);
  if (file.path().empty()) return timing;
  const std::string command =
      "python3 '" QZ_FINDALL_SCRIPT "' '" + file.path() + "' " + std::to_string(runs);
  const std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
  if (!pipe) return timing;
  double seconds = 0;
  unsigned long names = 0;
  if (std::fscanf(pipe.get(), "%lf %lu", &seconds, &names) == 2) {
    timing.seconds = seconds;
    timing.names = names;
  }
  return timing;
}
