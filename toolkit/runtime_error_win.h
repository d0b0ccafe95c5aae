#pragma once
#include <cstddef>
#include <cstdint>

// The procedure that releases the process-wide resources (the HTTP session,
// the skin engine library); run at the end of the program and before the
// runtime error report ends it.
using ShutdownProcedure = void (*)();
void SetShutdownProcedure(ShutdownProcedure procedure);
void RunShutdown();

// Shows the modal error box (no owner, caption "错误", error icon, OK), runs
// the shutdown and ends the process with exit code -1. Never returns.
[[noreturn]] void ReportRuntimeError(int32_t code, const char* message);

// The report for an allocation of `bytes` that failed; it allocates nothing.
[[noreturn]] void ReportAllocationFailure(std::size_t bytes);
