# Helpers to run the built program under Xvfb and drive it with a real pointer.
# Source it, then: session_start; session_launch PROGRAM; session_wait_ready;
# session_click_zone NAME; session_screenshot FILE; session_stop.

: "${PEDAVIN_SCREEN:=1024x768x24}"

session_start() {
  SESSION_DIR="$(mktemp -d /tmp/pedavin-e2e.XXXXXX)"
  local n
  for n in $(seq 91 140); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
      Xvfb ":$n" -screen 0 "$PEDAVIN_SCREEN" -nolisten tcp >"$SESSION_DIR/xvfb.log" 2>&1 &
      SESSION_XVFB=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
      done
      # Each session gets its own runtime folder, so its single-instance lock
      # does not meet another session's.
      export XDG_RUNTIME_DIR="$SESSION_DIR/run"
      mkdir -m 700 -p "$XDG_RUNTIME_DIR"
      unset QT_QPA_PLATFORM
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

session_launch() {
  export PEDAVIN_PRET="$SESSION_DIR/pret"
  rm -f "$PEDAVIN_PRET"
  "$@" >"$SESSION_DIR/program.log" 2>&1 &
  SESSION_PID=$!
}

# Answers the system box a machine without a sound mixer shows during loading.
session_dismiss_audio_box() {
  local id
  id="$(xdotool search --onlyvisible --name '^Pedavin$' 2>/dev/null | head -1)" || true
  [[ -n "$id" ]] || return 0
  xdotool windowfocus --sync "$id" key --clearmodifiers Return 2>/dev/null || true
  SESSION_AUDIO_BOX=1
}

# Waits until the main window has been painted after loading.
session_wait_ready() {
  local limite=$(( ${1:-30} * 20 )) i
  for ((i = 0; i < limite; i++)); do
    [[ -s "$PEDAVIN_PRET" ]] && return 0
    (( i % 4 == 3 )) && session_dismiss_audio_box
    session_running || { echo "program ended during loading" >&2; cat "$SESSION_DIR/program.log" >&2; return 1; }
    sleep 0.05
  done
  echo "program not ready after ${1:-30} s" >&2
  return 1
}

session_running() { kill -0 "$SESSION_PID" 2>/dev/null; }

# Waits until the program has ended by itself; fails after the time limit.
session_wait_exit() {
  local limite=$(( ${1:-10} * 20 )) i
  for ((i = 0; i < limite; i++)); do
    session_running || { wait "$SESSION_PID" 2>/dev/null; return 0; }
    sleep 0.05
  done
  return 1
}

# Waits for a window whose title matches.
session_wait_window() {
  local limite=$(( ${2:-10} * 20 )) i
  for ((i = 0; i < limite; i++)); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "no window titled '$1'" >&2
  return 1
}

zone_xy() {
  local geometrie
  geometrie="$(xdpyinfo | awk '/dimensions:/ {print $2}')"
  "${PEDAVIN_ZONES:-$PEDAVIN_BIN/pedavin-zones}" "${geometrie%x*}" "${geometrie#*x}" | awk -v n="$1" '$1 == n {print $2, $3}'
}

session_click_zone() {
  local xy
  xy="$(zone_xy "$1")"
  [[ -n "$xy" ]] || { echo "unknown zone $1" >&2; return 1; }
  # shellcheck disable=SC2086
  xdotool mousemove $xy sleep 0.1 click 1
}

session_screenshot() { import -window root "$1"; }

session_stop() {
  if [[ -n "${SESSION_PID:-}" ]] && session_running; then
    kill "$SESSION_PID" 2>/dev/null || true
    wait "$SESSION_PID" 2>/dev/null || true
  fi
  if [[ -n "${SESSION_XVFB:-}" ]]; then
    kill "$SESSION_XVFB" 2>/dev/null || true
    wait "$SESSION_XVFB" 2>/dev/null || true
  fi
  SESSION_PID=""; SESSION_XVFB=""
  [[ -n "${SESSION_DIR:-}" && -z "${PEDAVIN_KEEP_SESSION:-}" ]] && rm -rf "$SESSION_DIR"
  return 0
}
