#!/usr/bin/env bash
# Builds the native benchmarks (Release, tree build/bench) and the Windows
# program (tree build/win32), runs every bench program below, the Windows ones
# under Wine on a virtual display, and prints their figures as one table, with
# a line naming the machine. A bench program prints one tab-separated line per figure:
#   ROW<TAB>figure<TAB>value<TAB>comparison<TAB>ratio
# and may print anything else; only ROW lines reach the table.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QZ_ROOT/scripts/install-deps.sh"

tree=$QZ_BUILD/bench
mkdir -p "$tree"
qz_log "bench build (Release)"
cmake -S "$QZ_ROOT/bench" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  >"$tree.configure.log" 2>&1 || { cat "$tree.configure.log" >&2; exit 1; }
cmake --build "$tree" -j "$QZ_JOBS"

# The Windows program's figures come from the cross tree, run under Wine on a
# virtual display with a prefix of the bench's own.
win32_tree=$QZ_BUILD/win32
qz_log "Windows build (for the benchmarks under Wine)"
qz_build_win32 "$win32_tree" >/dev/null
trap 'qz_stop_wine; qz_stop_display' EXIT
qz_start_display
qz_use_wineprefix "$QZ_BUILD/bench-wineprefix"

# The bench programs: one command line each, run by bash; append more here.
bench_commands=(
  "'$tree/extraction_bench'"
  "bash '$QZ_ROOT/bench/win32/benches.sh' '$win32_tree'"
)

rows=$(mktemp)
trap 'rm -f "$rows"; qz_stop_wine; qz_stop_display' EXIT
status=0
for command in "${bench_commands[@]}"; do
  qz_log "running $command"
  if ! bash -c "$command" | grep $'^ROW\t' >>"$rows"; then
    qz_log "FAILED: $command"
    status=1
  fi
done

cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores, $(date '+%Y-%m-%d %H:%M %Z')"
echo
{
  printf 'ROW\tfigure\tvalue\tcomparison\tratio\n'
  cat "$rows"
} | awk -F'\t' '
  { for (i = 2; i <= 5; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
  END {
    for (r = 1; r <= NR; r++) {
      line = ""
      for (i = 2; i <= 5; i++) {
        # The ratio column reads best aligned on the right.
        format = (i == 5) ? "%" width[i] "s" : "%-" width[i] "s  "
        line = line sprintf(format, cell[r, i])
      }
      print line
      if (r == 1) {
        rule = ""
        for (i = 2; i <= 5; i++) { dash = sprintf("%" width[i] "s", ""); gsub(/ /, "-", dash); rule = rule dash (i < 5 ? "  " : "") }
        print rule
      }
    }
  }'
exit "$status"
