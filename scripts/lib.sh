# Shared by the README commands: build trees, the virtual display and Wine.
# Sourced, not run.

QZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QZ_BUILD=${QZ_BUILD:-$QZ_ROOT/build}
QZ_JOBS=${QZ_JOBS:-2}

qz_log() { printf '==> %s\n' "$*" >&2; }

# A free TCP port on 127.0.0.1.
qz_free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# The value of a cache entry of a configured tree, or nothing.
qz_cache_value() {
  local tree=$1 name=$2
  [ -f "$tree/CMakeCache.txt" ] || return 0
  sed -n "s/^$name:[A-Z]*=//p" "$tree/CMakeCache.txt"
}

qz_configure_and_build() {
  local tree=$1; shift
  cmake -S "$QZ_ROOT" -B "$tree" -G Ninja "$@" >"$tree.configure.log" 2>&1 || {
    cat "$tree.configure.log" >&2; return 1; }
  cmake --build "$tree" -j "$QZ_JOBS"
}

# The cross build, with its playlist host pointed at the sample service on a
# port chosen when the tree is first configured.
qz_build_win32() {
  local tree=$1 port
  port=$(qz_cache_value "$tree" QZ_SAMPLE_PORT)
  [ -n "$port" ] || port=$(qz_free_port)
  mkdir -p "$tree"
  qz_configure_and_build "$tree" -DCMAKE_TOOLCHAIN_FILE="$QZ_ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQZ_SAMPLE_PORT="$port" -DQZ_PLAYLIST_HOST="127.0.0.1:$port"
}

# Starts Xvfb on a free display and exports DISPLAY.
qz_start_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  QZ_XVFB_PID=$!
  read -r QZ_DISPLAY_NUMBER <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$QZ_DISPLAY_NUMBER"
  qz_log "virtual display $DISPLAY"
}

# Exports the Wine environment for a prefix inside a build tree and makes the
# prefix on first use: code page 936, no prompts for Mono or Gecko, and (unless
# the second argument is "own-desktop-off") a virtual desktop that manages the
# windows, for displays without a window manager.
qz_use_wineprefix() {
  export WINEPREFIX=$1
  local desktop=${2:-}
  export WINEDEBUG=${WINEDEBUG:--all}
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/.qz-ready" ]; then
    qz_log "making Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    if [ "$desktop" != own-desktop-off ]; then
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$WINEPREFIX/.qz-ready"
  fi
  wineserver -p
  # Start the desktop and services now, with no pipes of ours to inherit.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

qz_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}

qz_stop_display() {
  [ -n "${QZ_XVFB_PID:-}" ] && kill "$QZ_XVFB_PID" 2>/dev/null || true
  QZ_XVFB_PID=
}

# The sample playlist service of a cross tree, on the port its playlist host names.
qz_sample_service_binary() { echo "$1/host-tools/bin/qz-sample-service"; }

# Starts the sample service on 127.0.0.1:$2 and waits until it listens.
qz_start_service() {
  local tree=$1 port=$2 log
  log=$(mktemp)
  "$(qz_sample_service_binary "$tree")" --address 127.0.0.1 --port "$port" >"$log" 2>&1 &
  QZ_SERVICE_PID=$!
  for _ in $(seq 100); do
    grep -q '^listening on ' "$log" && { rm -f "$log"; return 0; }
    kill -0 "$QZ_SERVICE_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$log" >&2; rm -f "$log"
  qz_log "the sample service did not start"; return 1
}

qz_stop_service() {
  [ -n "${QZ_SERVICE_PID:-}" ] && kill "$QZ_SERVICE_PID" 2>/dev/null && wait "$QZ_SERVICE_PID" 2>/dev/null
  QZ_SERVICE_PID=
  return 0
}

# The window inspector of a cross tree, run under Wine: qz_inspect TREE ARGS...
qz_inspect() {
  local tree=$1; shift
  wine "$tree/tests/e2e/window_inspector.exe" "$@" 2>/dev/null </dev/null | tr -d '\r'
}

# Waits until the program's main window is there.
qz_wait_for_window() {
  local tree=$1 title=$2
  for _ in $(seq 150); do
    qz_inspect "$tree" point "$title" 0 >/dev/null && return 0
    sleep 0.2
  done
  return 1
}

# Clicks the centre of control number $3 (stacking order) of the window titled $2.
qz_click_control() {
  local tree=$1 title=$2 index=$3 point
  point=$(qz_inspect "$tree" point "$title" "$index")
  # shellcheck disable=SC2086
  xdotool mousemove $point click 1
}

# Waits until the song list has $3 rows; prints them.
qz_wait_for_rows() {
  local tree=$1 title=$2 count=$3 rows=""
  for _ in $(seq 100); do
    rows=$(qz_inspect "$tree" rows "$title")
    [ "$(printf '%s' "$rows" | grep -c '^')" -eq "$count" ] && break
    sleep 0.2
  done
  printf '%s\n' "$rows"
}
