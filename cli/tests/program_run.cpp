#include "program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

extern char** environ;

namespace {

constexpr int kPatienceMs = 60000;

struct Pipe {
  int fds[2] = {-1, -1};
  Pipe() {
    if (pipe(fds) != 0) fds[0] = fds[1] = -1;
  }
  ~Pipe() {
    for (int fd : fds) {
      if (fd >= 0) close(fd);
    }
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  void CloseWriteEnd() {
    close(fds[1]);
    fds[1] = -1;
  }
};

bool IsProxySetting(const char* entry) {
  const char* equals = std::strchr(entry, '=');
  const std::size_t length = equals ? static_cast<std::size_t>(equals - entry) : std::strlen(entry);
  const std::string name(entry, length);
  return name.size() >= 6 && (name.compare(name.size() - 6, 6, "_proxy") == 0 ||
                              name.compare(name.size() - 6, 6, "_PROXY") == 0);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment) {
  ProgramRun run;
  Pipe out, err;
  if (out.fds[0] < 0 || err.fds[0] < 0) return run;

  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsProxySetting(*entry)) env.emplace_back(*entry);
  }
  env.insert(env.end(), environment.begin(), environment.end());
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(&e[0]);
  envp.push_back(nullptr);

  std::vector<std::string> args = arguments;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (std::string& a : args) argv.push_back(&a[0]);
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.fds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out.fds[0]);
  posix_spawn_file_actions_addclose(&actions, err.fds[0]);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  out.CloseWriteEnd();
  err.CloseWriteEnd();
  if (spawned != 0) return run;
  run.started = true;

  // Both pipes are drained together, so that a child filling one never waits.
  pollfd fds[2] = {{out.fds[0], POLLIN, 0}, {err.fds[0], POLLIN, 0}};
  std::string* sinks[2] = {&run.out, &run.err};
  int open = 2;
  const auto deadline = start + std::chrono::milliseconds(kPatienceMs);
  while (open > 0 && std::chrono::steady_clock::now() < deadline) {
    if (poll(fds, 2, 100) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  if (open > 0) kill(pid, SIGKILL);
  int waitStatus = 0;
  waitpid(pid, &waitStatus, 0);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(waitStatus)) run.status = WEXITSTATUS(waitStatus);
  return run;
}
