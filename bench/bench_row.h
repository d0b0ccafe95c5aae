#pragma once
// One figure of the benchmark table, as a tab-separated line on stdout:
//   ROW <figure> <value> <comparison> <ratio>
// scripts/bench.sh gathers these lines from every bench program.

#include <string>

void PrintRow(const std::string& figure, const std::string& value, const std::string& comparison,
              double ratio);

std::string FormatRate(double bytes, double seconds);  // "85.1 MB/s", 1 MB = 10^6 bytes
std::string FormatSeconds(double seconds);             // "420 us", "3.1 ms", "9.61 s"
std::string FormatCount(double count);                 // "1,000"
