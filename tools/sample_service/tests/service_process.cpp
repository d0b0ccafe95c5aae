#include "service_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace {

constexpr int kPatienceMs = 10000;  // generous: the service may run under the sanitizers

}  // namespace

ServiceProcess::~ServiceProcess() {
  if (pid > 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &waitStatus, 0);
  }
  if (stdoutPipe >= 0) close(stdoutPipe);
}

bool SpawnService(ServiceProcess& service, const std::string& program,
                  const std::vector<std::string>& arguments) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  const int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (result != 0) {
    close(fds[0]);
    return false;
  }
  service.pid = pid;
  service.stdoutPipe = fds[0];
  return true;
}

std::string ReadLine(ServiceProcess& service) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{service.stdoutPipe, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c = 0;
    if (read(service.stdoutPipe, &c, 1) != 1) return "";
    if (c == '\n') return line;
    line += c;
  }
  return "";
}

bool WaitForExit(ServiceProcess& service) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(service.pid, &service.waitStatus, WNOHANG) == service.pid) {
      service.pid = -1;
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

int StartOnFreePort(ServiceProcess& service, const std::string& program, std::string& line) {
  if (!SpawnService(service, program, {"--port", "0"})) return 0;
  line = ReadLine(service);
  const std::string prefix = "listening on http://127.0.0.1:";
  if (line.compare(0, prefix.size(), prefix) != 0) return 0;
  return std::atoi(line.c_str() + prefix.size());
}
