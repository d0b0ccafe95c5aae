#pragma once
// Runs a program as a child process and collects what it wrote and how it ended.

#include <string>
#include <vector>

struct ProgramRun {
  bool started = false;
  int status = -1;  // the exit status; -1 when it did not exit normally
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
  double seconds = 0;
};

// Runs `program` with `arguments`.
// The child gets this process's environment without any proxy setting (so
// that requests to 127.0.0.1 go there directly), plus `environment` entries
// of the form NAME=VALUE. A child still running after 60 s is killed.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment = {});
