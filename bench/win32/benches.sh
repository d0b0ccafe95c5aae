#!/usr/bin/env bash
# The Windows program's benchmarks under Wine, as table rows on stdout
# ("ROW<TAB>figure<TAB>value<TAB>comparison<TAB>ratio"): FetchUrl beside curl
# on the same address, the real program filling 10,000 rows, its start-up
# and peak working set, and the size of the exe.
# Usage: benches.sh CROSS_TREE (built; DISPLAY and the Wine prefix set by the caller)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
tree=$(cd "$1" && pwd)
bench="$tree/bench/win32/win32_bench.exe"
work=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# Bodies of 1 MB and 10 MB from a local server, fetched by both clients.
mkdir -p "$work/www"
head -c $((1024 * 1024)) /dev/urandom >"$work/www/1mb"
head -c $((10 * 1024 * 1024)) /dev/urandom >"$work/www/10mb"
port=$(qz_free_port)
(cd "$work/www" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
server_pid=$!
for _ in $(seq 50); do curl -s -o /dev/null "http://127.0.0.1:$port/1mb" && break; sleep 0.1; done

for size in 1 10; do
  url="http://127.0.0.1:$port/${size}mb"
  ours=$(wine "$bench" fetch "$url" "$size" 2>/dev/null </dev/null | tr -d '\r')
  curl_rate=$(for _ in 1 2 3 4 5; do
    curl -s -o /dev/null -w '%{speed_download}\n' "$url"
  done | median | awk '{printf "%.1f", $1 / 1048576}')
  ratio=$(awk -v a="$ours" -v b="$curl_rate" 'BEGIN {printf "%.2fx", a / b}')
  printf 'ROW\tFetchUrl %s MB body (Wine, WinINet)\t%s MB/s\tcurl %s MB/s\t%s\n' \
    "$size" "$ours" "$curl_rate" "$ratio"
done

# The real program from a run directory of its own; the first start writes
# the skin engine there, so the measured starts are warm.
mkdir -p "$work/program"
cp "$tree/app/LiraboMelvoran.exe" "$work/program/"
wine "$bench" fill "$(winepath -w "$work/program/LiraboMelvoran.exe" 2>/dev/null)" 2>/dev/null </dev/null |
  tr -d '\r'

size=$(stat -c %s "$tree/app/LiraboMelvoran.exe")
printf 'ROW\tsize of LiraboMelvoran.exe (static, carries the engine and 33 skins)\t%s KB\t-\t-\n' \
  "$((size / 1024))"
