#pragma once
// A disagreement between a unit and its model ends the run as a crash, so
// that the fuzzer keeps the input that shows it.

#include <cstdio>
#include <cstdlib>

inline void Agree(bool agreed, const char* what) {
  if (agreed) return;
  std::fprintf(stderr, "disagreement: %s\n", what);
  std::abort();
}
