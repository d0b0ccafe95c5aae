#include "base/recoverable_allocation.h"

namespace {
thread_local bool g_recoverable = false;
}

RecoverableAllocationScope::RecoverableAllocationScope() : previous_(g_recoverable) {
  g_recoverable = true;
}

RecoverableAllocationScope::~RecoverableAllocationScope() { g_recoverable = previous_; }

bool AllocationFailureIsRecoverable() { return g_recoverable; }
