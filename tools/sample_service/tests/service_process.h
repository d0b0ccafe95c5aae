#pragma once
// The sample service as a child process of a test: started with chosen
// options, its stdout read through a pipe, stopped by a signal.

#include <sys/types.h>

#include <string>
#include <vector>

struct ServiceProcess {
  pid_t pid = -1;
  int stdoutPipe = -1;  // read end of the child's stdout
  int waitStatus = 0;   // valid once the child has been reaped

  ServiceProcess() = default;
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;
  // A child still running is killed and reaped, so no test leaves one behind.
  ~ServiceProcess();
};

// Starts the program with `arguments` (argv[0] excluded).
bool SpawnService(ServiceProcess& service, const std::string& program,
                  const std::vector<std::string>& arguments);

// The first line the child writes to stdout, without its line feed; "" when it
// ends its output or stays silent for several seconds.
std::string ReadLine(ServiceProcess& service);

// Waits a few seconds for the child to end; false when it is still running.
bool WaitForExit(ServiceProcess& service);

// Starts the program on a free port of 127.0.0.1 and reads the port from its
// listening line; 0 when it did not come up.
int StartOnFreePort(ServiceProcess& service, const std::string& program, std::string& line);
