#include "toolkit/runtime_error_win.h"

#include <windows.h>

#include <new>

#include "toolkit/runtime_error_text.h"

namespace {
ShutdownProcedure g_shutdown = nullptr;
bool g_shutdownRan = false;
}  // namespace

void SetShutdownProcedure(ShutdownProcedure procedure) { g_shutdown = procedure; }

void RunShutdown() {
  if (g_shutdownRan) return;
  g_shutdownRan = true;
  if (g_shutdown != nullptr) g_shutdown();
}

void ReportRuntimeError(int32_t code, const char* message) {
  // Composed on the stack: the report may be about memory that ran out.
  char fixed[1024];
  const std::size_t needed = ComposeRuntimeErrorText(code, message, fixed, sizeof(fixed));
  char* text = fixed;
  char* large = nullptr;
  if (needed >= sizeof(fixed)) {
    large = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, needed + 1));
    if (large != nullptr) {
      ComposeRuntimeErrorText(code, message, large, needed + 1);
      text = large;
    }
  }
  MessageBoxA(nullptr, text, "错误", MB_OK | MB_ICONERROR);
  RunShutdown();
  ExitProcess(static_cast<UINT>(-1));
}

void ReportAllocationFailure(std::size_t bytes) {
  char message[128];
  ComposeAllocationFailureMessage(bytes, message, sizeof(message));
  ReportRuntimeError(0, message);
}
