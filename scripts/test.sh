#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test:
# the native suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# a 20-second run of each fuzz target, then the Win32 suite under Wine
# (code page 936) on a virtual display.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QZ_ROOT/scripts/install-deps.sh"

qz_log "native build (sanitizers on)"
mkdir -p "$QZ_BUILD/native"
qz_configure_and_build "$QZ_BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON

qz_log "Windows build"
qz_build_win32 "$QZ_BUILD/win32"

trap 'qz_stop_wine; qz_stop_display' EXIT
qz_start_display
qz_use_wineprefix "$QZ_BUILD/win32/wineprefix"

# A run directory that nothing can be written into, for the skin loader's
# test (root ignores permissions, so the directory is made immutable).
readonly_runs="$QZ_BUILD/win32/tests/win32/skin-runs-readonly"
release_readonly() { chattr -i "$readonly_runs" 2>/dev/null || true; }
trap 'release_readonly; qz_stop_wine; qz_stop_display' EXIT
release_readonly
rm -rf "$readonly_runs" && mkdir -p "$readonly_runs"
cp "$QZ_BUILD/win32/tests/win32/skin_probe.exe" "$readonly_runs/"
chattr +i "$readonly_runs" 2>/dev/null || rm -rf "$readonly_runs"

status=0
qz_log "native tests"
(cd "$QZ_BUILD/native" && ctest --output-on-failure -j "$QZ_JOBS") || status=1
qz_log "fuzz smoke runs"
bash "$QZ_ROOT/scripts/fuzz.sh" --seconds 20 || status=1
qz_log "Win32 tests under Wine"
(cd "$QZ_BUILD/win32" && ctest --output-on-failure --timeout 600) || status=1

if [ "$status" -eq 0 ]; then qz_log "all tests passed"; else qz_log "TESTS FAILED"; fi
exit "$status"
