// A small program for the runtime error tests: it raises the report the way
// its first argument says, after setting a shutdown procedure that leaves a
// marker file next to it, so that a test can see that the shutdown ran.
//   toolkit_probe report CODE MESSAGE
//   toolkit_probe allocate BYTES

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "toolkit/runtime_error_win.h"

namespace {
std::string g_marker;

void LeaveMarker() {
  const HANDLE file =
      CreateFileA(g_marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  g_marker = argv[1];
  SetShutdownProcedure(LeaveMarker);
  const std::string mode = argv[2];
  if (mode == "report" && argc >= 5) {
    ReportRuntimeError(static_cast<int32_t>(std::strtol(argv[3], nullptr, 10)), argv[4]);
  }
  if (mode == "allocate") {
    const std::size_t bytes = std::strtoul(argv[3], nullptr, 10);
    volatile char* block = new char[bytes];
    block[0] = 1;
    return 3;  // the allocation did not fail
  }
  return 2;
}
