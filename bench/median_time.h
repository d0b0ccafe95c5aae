#pragma once
// Timing of repeated runs, in CPU seconds of the calling thread.

#include <functional>

// The median of `runs` timed runs of `run`, in seconds.
double MedianSeconds(const std::function<void()>& run, int runs);

// The medians of `runs` runs each of two things compared, taken in turns so
// that a change in the machine's load falls on both alike.
struct MedianPair {
  double first = 0, second = 0;
};
MedianPair MedianSecondsInTurns(const std::function<void()>& first,
                                const std::function<void()>& second, int runs);

// The time of one run of `run`, in seconds.
double OnceSeconds(const std::function<void()>& run);
