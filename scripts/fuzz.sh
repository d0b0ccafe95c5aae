#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (tree build/fuzz) and runs
# each for a while, starting from its corpus in fuzz/corpus/<target>/. Fails
# when a target crashes, leaks or finds its unit disagreeing with its model.
#
#   bash scripts/fuzz.sh [--seconds N]    (N seconds per target, default 20)
#
# New inputs the fuzzer finds go to build/fuzz/found/<target>/, never into the
# checked-in corpus; a failing input is kept as build/fuzz/artifacts/<target>-*.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

seconds=20
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    --seconds=*) seconds=${1#--seconds=}; shift ;;
    *) echo "usage: $0 [--seconds N]" >&2; exit 2 ;;
  esac
done
case $seconds in '' | *[!0-9]*) echo "fuzz: --seconds takes a whole number" >&2; exit 2 ;; esac

bash "$QZ_ROOT/scripts/install-deps.sh"

tree=$QZ_BUILD/fuzz
mkdir -p "$tree"
qz_log "fuzz build (clang, libFuzzer, sanitizers)"
CC=clang CXX=clang++ cmake -S "$QZ_ROOT" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQZ_FUZZ=ON -DBUILD_TESTING=OFF >"$tree.configure.log" 2>&1 || {
  cat "$tree.configure.log" >&2; exit 1; }
cmake --build "$tree" --target fuzz_targets -j "$QZ_JOBS"

# Extra options of a target: the longest input, its dictionary.
target_options() {
  local name=$1
  case $name in
    # Room for the 50-song sample answer; the plain scans it is checked against
    # take seconds on the worst inputs of this size.
    extraction) echo "-max_len=16384 -timeout=120" ;;
    search_all) echo "-max_len=1024 -timeout=60" ;;
    *) echo "-max_len=4096 -timeout=20" ;;
  esac
  [ -f "$QZ_ROOT/fuzz/$name.dict" ] && echo "-dict=$QZ_ROOT/fuzz/$name.dict"
  return 0
}

status=0
for source in "$QZ_ROOT"/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  found=$tree/found/$name
  mkdir -p "$found" "$tree/artifacts"
  log=$tree/$name.log
  qz_log "fuzzing $name for $seconds s"
  # shellcheck disable=SC2046 # the options are words on purpose
  if "$tree/fuzz/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$tree/artifacts/$name-" $(target_options "$name") \
      "$found" "$QZ_ROOT/fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    qz_log "$name: ok, ${runs:-?} executions"
  else
    status=1
    qz_log "$name: FAILED (log $log)"
    grep -E 'disagreement|ERROR: |SUMMARY: |Test unit written' "$log" >&2 || tail -n 20 "$log" >&2
  fi
done

if [ "$status" -eq 0 ]; then qz_log "fuzzing passed"; else qz_log "FUZZING FAILED"; fi
exit "$status"
