#!/usr/bin/env bash
# Start-up: process start to the main window first painted, median of runs,
# under Xvfb. The splash's first tick comes 500 ms after start by design, so
# the loading itself (first tick to painted) is reported beside it. Time spent
# in boxes (a machine without a sound mixer shows one) is not counted.
set -euo pipefail
runs="${PEDAVIN_BENCH_RUNS:-7}"
export PEDAVIN_BIN="$PEDAVIN_BUILD/bin"
source "$PEDAVIN_ROOT/tests/e2e/xvfb-session.sh"
session_start >/dev/null
trap session_stop EXIT
totaux=()
for ((i = 0; i < runs; i++)); do
  rm -rf "$XDG_RUNTIME_DIR"/*
  export PEDAVIN_T0=$(date +%s%3N) PEDAVIN_QUITTER_APRES_AFFICHAGE=1
  session_launch "$PEDAVIN_BIN/pedavin"
  session_wait_ready 60 >/dev/null
  read -r total attente < "$PEDAVIN_PRET"
  totaux+=("$((total - attente))")
  session_wait_exit 10 || kill "$SESSION_PID"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
m=$(median "${totaux[@]}")
echo "startup.main_window_ms: $m ms"
echo "startup.loading_ms: $((m - 500)) ms"
