#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it under Wine against
# the sample playlist service (sample QQ numbers: tools/sample_service/README.md).
# With a display, the program opens on it and runs until you close it.
# Without one, it runs headless on a virtual display: the script types the
# sample number 12345678 with real keys, presses Enter, saves a screenshot of
# the filled window and prints its path. Everything it started is stopped.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QZ_ROOT/scripts/install-deps.sh"
tree=$QZ_BUILD/win32
qz_log "building"
qz_build_win32 "$tree" >/dev/null
port=$(qz_cache_value "$tree" QZ_SAMPLE_PORT)

# The program runs from a directory of its own, where it writes its skin engine.
program_dir=$QZ_BUILD/run
mkdir -p "$program_dir"
cp "$tree/app/LiraboMelvoran.exe" "$program_dir/"

program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  qz_stop_service
  qz_stop_wine
  qz_stop_display
}
trap cleanup EXIT

qz_start_service "$tree" "$port"
qz_log "sample playlist service on 127.0.0.1:$port"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  qz_use_wineprefix "$QZ_BUILD/run-wineprefix" own-desktop-off
  qz_log "starting the program on $DISPLAY; try the QQ number 12345678"
  wine "$program_dir/LiraboMelvoran.exe" </dev/null
  exit 0
fi

qz_start_display
qz_use_wineprefix "$tree/wineprefix"
title=Lirabo-Melvoran
wine "$program_dir/LiraboMelvoran.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
qz_wait_for_window "$tree" "$title" || { qz_log "the window did not show"; exit 1; }
sleep 0.5
qz_click_control "$tree" "$title" 4  # the QQ number box
xdotool type --delay 40 12345678
xdotool key Return
qz_wait_for_rows "$tree" "$title" 3
sleep 0.5
screenshot=$QZ_BUILD/screenshot.png
import -window root "$screenshot"
xdotool key Escape
wait "$program_pid" || true
program_pid=
echo "$screenshot"
