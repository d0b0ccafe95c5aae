// The program's memory comes from the process heap. A failed allocation ends
// the program with the runtime error report, except inside a
// RecoverableAllocationScope, where it throws std::bad_alloc for the operation
// to catch. The nothrow forms return null, as they must.
//
// Compiled into each program (not a library member) so that the replacement
// always takes the place of the runtime's own.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <new>

#include "base/recoverable_allocation.h"
#include "toolkit/runtime_error_win.h"

namespace {

void* HeapBlock(std::size_t bytes) {
  return HeapAlloc(GetProcessHeap(), 0, bytes == 0 ? 1 : bytes);
}

void* AllocateOrReport(std::size_t bytes) {
  if (void* block = HeapBlock(bytes)) return block;
  if (AllocationFailureIsRecoverable()) throw std::bad_alloc();
  ReportAllocationFailure(bytes);
}

void Release(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

// Over-aligned blocks keep the heap block's address just before the aligned one.
void* AlignedBlock(std::size_t bytes, std::size_t alignment, bool report) {
  const std::size_t extra = alignment + sizeof(void*);
  if (bytes > SIZE_MAX - extra) {
    if (!report) return nullptr;
    if (AllocationFailureIsRecoverable()) throw std::bad_alloc();
    ReportAllocationFailure(bytes);
  }
  void* raw = report ? AllocateOrReport(bytes + extra) : HeapBlock(bytes + extra);
  if (raw == nullptr) return nullptr;
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
  const std::uintptr_t aligned = (start + alignment - 1) & ~(static_cast<std::uintptr_t>(alignment) - 1);
  reinterpret_cast<void**>(aligned)[-1] = raw;
  return reinterpret_cast<void*>(aligned);
}

void ReleaseAligned(void* block) {
  if (block != nullptr) Release(reinterpret_cast<void**>(block)[-1]);
}

}  // namespace

void* operator new(std::size_t bytes) { return AllocateOrReport(bytes); }
void* operator new[](std::size_t bytes) { return AllocateOrReport(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return HeapBlock(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return HeapBlock(bytes); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }

void* operator new(std::size_t bytes, std::align_val_t a) {
  return AlignedBlock(bytes, static_cast<std::size_t>(a), true);
}
void* operator new[](std::size_t bytes, std::align_val_t a) {
  return AlignedBlock(bytes, static_cast<std::size_t>(a), true);
}
void* operator new(std::size_t bytes, std::align_val_t a, const std::nothrow_t&) noexcept {
  return AlignedBlock(bytes, static_cast<std::size_t>(a), false);
}
void* operator new[](std::size_t bytes, std::align_val_t a, const std::nothrow_t&) noexcept {
  return AlignedBlock(bytes, static_cast<std::size_t>(a), false);
}
void operator delete(void* block, std::align_val_t) noexcept { ReleaseAligned(block); }
void operator delete[](void* block, std::align_val_t) noexcept { ReleaseAligned(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { ReleaseAligned(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { ReleaseAligned(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  ReleaseAligned(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  ReleaseAligned(block);
}
