#include "bench/bench_row.h"

#include <cstdio>

namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

void PrintRow(const std::string& figure, const std::string& value, const std::string& comparison,
              double ratio) {
  // Ratios far from 1 read better with their magnitude than as 0.00x.
  const std::string shown = ratio >= 0.01 ? Printf("%.2fx", ratio) : Printf("%.1ex", ratio);
  std::printf("ROW\t%s\t%s\t%s\t%s\n", figure.c_str(), value.c_str(), comparison.c_str(),
              shown.c_str());
  std::fflush(stdout);
}

std::string FormatRate(double bytes, double seconds) {
  return Printf("%.1f MB/s", bytes / seconds / 1e6);
}

std::string FormatSeconds(double seconds) {
  if (seconds < 1e-3) return Printf("%.0f us", seconds * 1e6);
  if (seconds < 1.0) return Printf("%.3g ms", seconds * 1e3);
  return Printf("%.3g s", seconds);
}

std::string FormatCount(double count) {
  std::string digits = Printf("%.0f", count);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}
