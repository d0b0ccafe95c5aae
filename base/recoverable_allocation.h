#pragma once
// Normally a failed allocation ends the program with the runtime error report.
// A few operations can do better: a download that outgrows the memory simply
// stops there. Inside a RecoverableAllocationScope a failed allocation throws
// std::bad_alloc instead, for that operation to catch; the scope is per thread.

class RecoverableAllocationScope {
 public:
  RecoverableAllocationScope();
  ~RecoverableAllocationScope();
  RecoverableAllocationScope(const RecoverableAllocationScope&) = delete;
  RecoverableAllocationScope& operator=(const RecoverableAllocationScope&) = delete;

 private:
  bool previous_;
};

// True while a RecoverableAllocationScope is alive on the calling thread.
bool AllocationFailureIsRecoverable();
