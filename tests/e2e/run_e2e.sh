#!/usr/bin/env bash
# The real program from outside, as a user drives it: started under Wine
# against the sample service, a QQ number typed with real keys, Enter, the
# rows read back from the running window, a song copied with the popup menu
# and the clipboard read from X; then again with the service unreachable.
# Usage: run_e2e.sh CROSS_TREE   (DISPLAY and the Wine prefix set by the caller)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"

tree=$(cd "$1" && pwd)
title=Lirabo-Melvoran
port=$(qz_cache_value "$tree" QZ_SAMPLE_PORT)
browser_log=$tree/tests/win32/browser-opened.log
run=$(mktemp -d "$tree/tests/e2e/run.XXXXXX")
program_pid=

fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  qz_stop_service
  rm -rf "$run"
}
trap cleanup EXIT

cp "$tree/app/LiraboMelvoran.exe" "$run/"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$tree/tests/win32/record-browser.sh" /f \
  >/dev/null 2>&1
rm -f "$browser_log"

start_program() {
  wine "$run/LiraboMelvoran.exe" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  qz_wait_for_window "$tree" "$title" || fail "the main window did not show"
  sleep 0.5
}

# Esc in the window ends the program with exit code 0.
end_program() {
  xdotool key Escape
  local status=0
  wait "$program_pid" || status=$?
  program_pid=
  [ "$status" -eq 0 ] || fail "the program ended with $status"
}

type_number_and_enter() {
  qz_click_control "$tree" "$title" 4  # the edit box
  sleep 0.3
  xdotool type --delay 40 "$1"
  xdotool key Return
}

echo "-- a fetch against the sample service"
qz_start_service "$tree" "$port"
start_program
type_number_and_enter 12345678
rows=$(qz_wait_for_rows "$tree" "$title" 3)
expected=$(printf '%s\t%s\t%s\n' \
  1 "晴天 - 周杰伦" "http://stream3.music.example.com/102065756.mp3" \
  2 "后来 - 刘若英" "http://stream7.music.example.com/3101369814.wma" \
  3 "童话 - 光良" "http://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46")
[ "$rows" = "$expected" ] || fail "rows were:
$rows"

echo "-- the third song copied through the popup menu"
read -r x y < <(qz_inspect "$tree" row-point "$title" 2)
xdotool mousemove "$x" "$y" click 3
sleep 1
xdotool mousemove $((x + 30)) $((y + 13)) click 1
sleep 1
copied='歌曲名：童话 - 光良\r\n试听地址：http://ws.stream.music.example.com/C4000100834210.m4a?fromtag=46'
# As Windows programs see it: GBK with CR LF.
gbk=$(qz_inspect "$tree" clipboard -)
wanted=$(printf "$copied" | iconv -f UTF-8 -t GBK | od -An -tx1 | tr -d ' \n')
[ "$gbk" = "$wanted" ] || fail "the clipboard held the bytes $gbk, not $wanted"
# As X programs see it: UTF-8, with Wine's bridge turning CR LF into LF.
x=$(xclip -o -selection clipboard)
[ "$x" = "$(printf "$copied" | tr -d '\r')" ] || fail "X sees the clipboard as: $x"
[ "$(qz_inspect "$tree" rows "$title")" = "$expected" ] || fail "the copy changed the rows"

end_program
[ "$(grep -c 'www.lirabo.com' "$browser_log" 2>/dev/null)" -eq 1 ] ||
  fail "the start should open the home page once: $(cat "$browser_log" 2>/dev/null)"

echo "-- a fetch with the service unreachable"
qz_stop_service
start_program
type_number_and_enter 12345678
sleep 3
[ -z "$(qz_inspect "$tree" rows "$title")" ] || fail "rows without a service"
windows=$(qz_inspect "$tree" windows "$title")
[ "$(printf '%s\n' "$windows" | grep -c .)" -eq 1 ] || fail "windows shown: $windows"
end_program
echo "PASS"
