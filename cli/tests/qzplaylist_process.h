#pragma once
// qzplaylist and the sample service as the tests run them: real processes,
// real sockets on 127.0.0.1, and temporary directories for --output.

#include <string>
#include <vector>

#include "program_run.h"

// Runs the qzplaylist under test.
ProgramRun RunQzPlaylist(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});

// "127.0.0.1:PORT" of a sample service that runs for the whole test program;
// "" when it did not come up.
std::string SampleServiceHost();

// A fresh empty directory, removed with what it holds when the value goes.
class TemporaryDirectory {
 public:
  TemporaryDirectory();
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // The names of the entries in the directory, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);

// UTF-8 text as GBK, through glibc's converter: the tests' own oracle for
// what the GBK output should hold.
std::string Utf8ToGbk(const std::string& utf8);
