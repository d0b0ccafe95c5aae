#pragma once
// Python's re.findall over the same answer, timed by Python itself so that
// its start-up does not count.

#include <cstddef>

#include "base/text.h"

struct PythonTiming {
  double seconds = -1;  // median of the runs; negative when python3 could not run
  std::size_t names = 0;
};

PythonTiming PythonFindall(const Text& answer, int runs);
