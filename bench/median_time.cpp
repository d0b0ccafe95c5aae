#include "bench/median_time.h"

#include <time.h>

#include <algorithm>
#include <vector>

namespace {

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  if (n == 0) return 0;
  return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// CPU time of this thread: on a build machine shared with other jobs, the
// time the thread waits for a core would swamp what is measured.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

double OnceSeconds(const std::function<void()>& run) {
  const double start = ThreadSeconds();
  run();
  return ThreadSeconds() - start;
}

double MedianSeconds(const std::function<void()>& run, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(OnceSeconds(run));
  return Median(times);
}

MedianPair MedianSecondsInTurns(const std::function<void()>& first,
                                const std::function<void()>& second, int runs) {
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    a.push_back(OnceSeconds(first));
    b.push_back(OnceSeconds(second));
  }
  return {Median(a), Median(b)};
}
