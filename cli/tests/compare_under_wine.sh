#!/usr/bin/env bash
# The Windows qzplaylist under Wine against the native one, for the same
# answers: byte-identical output in both encodings and all three formats, the
# same reports and exit statuses, the same conversion over the whole GBK
# table, and WinINet's request equal to libcurl's byte for byte.
# Usage: compare_under_wine.sh QZPLAYLIST_EXE NATIVE_QZPLAYLIST SAMPLE_SERVICE
# (the Wine environment, WINEPREFIX and LANG=zh_CN.UTF-8, comes from the caller)
set -euo pipefail

exe=$1 native=$2 service=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()
failures=0

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Starts a server in the background and sets $port from its listening line.
start_server() {
  local log=$work/server-$RANDOM.log
  "$@" >"$log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    port=$(sed -n 's/^listening on \(http:\/\/127\.0\.0\.1:\)\{0,1\}\([0-9][0-9]*\)$/\2/p' "$log")
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  cat "$log" >&2
  echo "a server did not start: $*" >&2
  exit 1
}

# run_both NAME ARGS...: runs both programs; outputs in $work/NAME.{win,native}.{out,err,status}.
# Wine gets its arguments in UTF-8 and hands them to the program in GBK.
run_both() {
  local name=$1; shift
  local status=0
  wine "$exe" "$@" >"$work/$name.win.out" 2>"$work/$name.win.err" </dev/null || status=$?
  echo "$status" >"$work/$name.win.status"
  status=0
  "$native" "$@" >"$work/$name.native.out" 2>"$work/$name.native.err" </dev/null || status=$?
  echo "$status" >"$work/$name.native.status"
}

same_status() {
  cmp -s "$work/$1.win.status" "$work/$1.native.status" ||
    fail "$1: exit status $(cat "$work/$1.win.status") under Wine, $(cat "$work/$1.native.status") natively"
}

# Equal output bytes, and equal reports once Windows' GBK console text is UTF-8.
same_output() {
  local name=$1 status
  same_status "$name"
  cmp -s "$work/$name.win.out" "$work/$name.native.out" || fail "$name: the outputs differ"
  iconv -f GBK -t UTF-8 "$work/$name.win.err" >"$work/$name.win.err.utf8" ||
    fail "$name: the Windows report is not GBK"
  cmp -s "$work/$name.win.err.utf8" "$work/$name.native.err" ||
    fail "$name: the reports differ:
$(cat "$work/$name.win.err.utf8")
---
$(cat "$work/$name.native.err")"
}

start_server "$service" --port 0
sample=127.0.0.1:$port

echo "-- the sample playlists in every format and both encodings"
for number in 12345678 87654321 99999999; do
  for format in tsv m3u json; do
    for encoding in utf-8 gbk; do
      name=$number-$format-$encoding
      run_both "$name" "$number" --host "$sample" --format "$format" --encoding "$encoding"
      same_output "$name"
      [ "$(cat "$work/$name.native.status")" = 0 ] || fail "$name: exit status not 0"
      [ -s "$work/$name.native.out" ] || fail "$name: no output"
    done
  done
done
grep -q "2 characters that are not valid GBK" "$work/99999999-tsv-gbk.native.err" ||
  fail "the replacements were not reported"

echo "-- the default encoding: GBK on Windows, UTF-8 on Linux"
run_both default 99999999 --host "$sample"
cmp -s "$work/default.win.out" "$work/99999999-tsv-gbk.win.out" || fail "Windows does not default to GBK"
cmp -s "$work/default.native.out" "$work/99999999-tsv-utf-8.native.out" ||
  fail "Linux does not default to UTF-8"

echo "-- an output file, written and then replaced"
mkdir "$work/out"
target=$work/out/list.json
winpath=$(winepath -w "$target" 2>/dev/null)
for round in 1 2; do
  wine "$exe" 12345678 --host "$sample" -f json -e utf-8 -o "$winpath" </dev/null >/dev/null 2>&1 ||
    fail "writing the file, round $round"
  cmp -s "$target" "$work/12345678-json-utf-8.native.out" || fail "the file's bytes, round $round"
done
[ "$(ls "$work/out")" = list.json ] || fail "files beside the output: $(ls "$work/out")"

echo "-- the whole GBK table"
python3 "$here/gbk_table_answer.py" >"$work/table.answer"
start_server python3 "$here/raw_server.py" --body "$work/table.answer"
for encoding in utf-8 gbk; do
  run_both "table-$encoding" 1 --host "127.0.0.1:$port" --encoding "$encoding"
  same_output "table-$encoding"
done
grep -q "characters that are not valid GBK" "$work/table-utf-8.native.err" ||
  fail "the table has no replacements"

echo "-- the exit statuses of the failures"
start_server python3 "$here/raw_server.py" --status 404 --body /dev/null
not_found=127.0.0.1:$port
closed=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
run_both empty 20000000 --host "$sample"
run_both unknown 11111111 --host "$sample"
run_both refused 1 --host "127.0.0.1:$closed"
run_both not-found 1 --host "$not_found"
printf '%s' "jsonCallback({code:0,data:{songlist:[{xsong_name:'a',xsinger_id:1,xsinger_name:'b',\
xsong_url:'http://x/1.mp3',xsong_dissid:1}]}})" >"$work/one-song.answer"
start_server python3 "$here/raw_server.py" --status 500 --body "$work/one-song.answer"
run_both server-error 1 --host "127.0.0.1:$port"
start_server python3 "$here/raw_server.py" --length 100000 --body "$work/one-song.answer"
run_both broke-off 1 --host "127.0.0.1:$port"
run_both usage 1 --format xml
for name in empty unknown refused not-found server-error broke-off usage; do same_status "$name"; done
for name in empty unknown; do same_output "$name"; done
statuses=""
for name in empty refused not-found server-error broke-off usage; do
  statuses="$statuses $(cat "$work/$name.win.status")"
done
[ "$statuses" = " 1 2 2 2 2 64" ] || fail "the exit statuses under Wine:$statuses"

echo "-- the request on the wire"
mkdir "$work/requests"
start_server python3 "$here/raw_server.py" --body /dev/null --record "$work/requests"
recorder=127.0.0.1:$port
number_utf8=' 12 中文|^%41'
number_gbk=$(printf '%s' "$number_utf8" | iconv -f UTF-8 -t GBK)
wine "$exe" "$number_utf8" --host "$recorder" </dev/null >/dev/null 2>&1 || true
"$native" "$number_gbk" --host "$recorder" </dev/null >/dev/null 2>&1 || true
wine "$exe" '12#34' --host "$recorder" </dev/null >/dev/null 2>&1 || true
"$native" '12#34' --host "$recorder" </dev/null >/dev/null 2>&1 || true
for pair in "1 2" "3 4"; do
  set -- $pair
  if ! cmp -s "$work/requests/request-$1" "$work/requests/request-$2"; then
    fail "WinINet and libcurl sent different requests:
$(od -c "$work/requests/request-$1" | head -20)
---
$(od -c "$work/requests/request-$2" | head -20)"
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$failures comparisons failed" >&2
  exit 1
fi
echo "PASS"
