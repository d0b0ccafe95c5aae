// ExtractSongRows on generated answers of three sizes, against a bare Boost
// search loop and Python's re.findall over the same bytes, and on the hostile
// answers whose lazy groups never meet their end markers. One ROW line per
// figure (see bench_row.h); times are medians of repeated runs.

#include <cstdio>
#include <string>

#include "bench/bare_search.h"
#include "bench/bench_row.h"
#include "bench/generated_answers.h"
#include "bench/median_time.h"
#include "bench/python_findall.h"
#include "playlist/extraction.h"

namespace {

// False when the extraction or the bare loop miscounts the songs: a
// benchmark of a wrong result measures nothing.
bool MeasureSize(const BarePatterns& bare, std::size_t songs, int runs) {
  const Text answer = GeneratedAnswer(songs);
  SongRows rows;
  BareScan scan;
  const double bytes = static_cast<double>(answer.size());
  // One untimed run of each first, so that neither pays for the first touch
  // of the memory it works in.
  rows = ExtractSongRows(answer);
  scan = BareSearchLoop(bare, answer);
  const MedianPair times = MedianSecondsInTurns([&] { rows = ExtractSongRows(answer); },
                                                [&] { scan = BareSearchLoop(bare, answer); }, runs);
  const double ours = times.first;
  const double bareSeconds = times.second;
  if (rows.size() != songs || scan.matches != 3 * songs || scan.gaveUp) {
    std::fprintf(stderr, "extraction_bench: %zu songs gave %zu rows, %zu bare matches\n", songs,
                 rows.size(), scan.matches);
    return false;
  }

  const std::string figure =
      "ExtractSongRows " + FormatCount(static_cast<double>(songs)) + " songs";
  PrintRow(figure, FormatRate(bytes, ours),
           "bare regex_search loop " + FormatRate(bytes, bareSeconds), ours / bareSeconds);
  const PythonTiming python = PythonFindall(answer, runs);
  if (python.seconds > 0 && python.names == songs) {
    PrintRow(figure + " vs Python", FormatRate(bytes, ours),
             "Python re.findall DOTALL " + FormatRate(bytes, python.seconds),
             ours / python.seconds);
  } else {
    std::fprintf(stderr, "extraction_bench: no Python timing for %zu songs\n", songs);
  }
  return true;
}

// How the time grows from `fewer` to `more` songs, against how the bytes
// grow; the two sizes are timed in turns.
void PrintGrowth(std::size_t fewer, std::size_t more, int runs) {
  const Text small = GeneratedAnswer(fewer);
  const Text large = GeneratedAnswer(more);
  SongRows rows;
  const MedianPair times = MedianSecondsInTurns([&] { rows = ExtractSongRows(small); },
                                                [&] { rows = ExtractSongRows(large); }, runs);
  const double timeGrowth = times.second / times.first;
  const double byteGrowth = static_cast<double>(large.size()) / static_cast<double>(small.size());
  char value[32], comparison[32];
  std::snprintf(value, sizeof value, "%.2fx time", timeGrowth);
  std::snprintf(comparison, sizeof comparison, "%.2fx bytes", byteGrowth);
  PrintRow("ExtractSongRows growth " + FormatCount(static_cast<double>(fewer)) + " to " +
               FormatCount(static_cast<double>(more)) + " songs",
           value, comparison, timeGrowth / byteGrowth);
}

// The bare side runs once: the engine takes seconds to give up on each of
// these, and its work limit is what bounds it.
void MeasureHostile(const BarePatterns& bare, const char* unit, const char* missing) {
  const Text answer = HostileAnswer(unit, 2000000);
  SongRows rows;
  BareScan scan;
  const double ours = MedianSeconds([&] { rows = ExtractSongRows(answer); }, 5);
  const double bareSeconds = OnceSeconds([&] { scan = BareSearchLoop(bare, answer); });
  PrintRow(std::string("ExtractSongRows 2 MB of ") + unit + " without " + missing,
           FormatSeconds(ours) + ", " + std::to_string(rows.size()) + " rows",
           "bare regex_search " + FormatSeconds(bareSeconds) +
               (scan.gaveUp ? " to the engine's limit" : ""),
           ours / bareSeconds);
}

}  // namespace

int main() {
  const BarePatterns bare = CompileBarePatterns();
  if (!MeasureSize(bare, 1000, 21) || !MeasureSize(bare, 10000, 9) ||
      !MeasureSize(bare, 100000, 5)) {
    return 1;
  }
  PrintGrowth(10000, 100000, 7);

  MeasureHostile(bare, "xsong_name:'x'", ",xsinger_id");
  MeasureHostile(bare, "xsinger_name:'x'", ",xsong_url");
  MeasureHostile(bare, "xsong_url:'x'", "',xsong_dissid");
  return 0;
}
