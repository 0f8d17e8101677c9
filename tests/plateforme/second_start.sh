#!/usr/bin/env bash
# Starts the program, then starts it again: the second must end by itself,
# successfully, while the first goes on.
set -u
program="$1"
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'kill $premier 2>/dev/null; wait $premier 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
export PEDAVIN_PRET="$XDG_RUNTIME_DIR/pret"
"$program" >/dev/null 2>&1 &
premier=$!
for _ in $(seq 1 600); do [[ -e "$PEDAVIN_PRET" || -e "$XDG_RUNTIME_DIR/pedavin.lock" ]] && break; sleep 0.05; done
[[ -e "$XDG_RUNTIME_DIR/pedavin.lock" ]] || { echo "first instance took no lock"; exit 1; }
PEDAVIN_PRET="$XDG_RUNTIME_DIR/pret2" timeout 20 "$program" >/dev/null 2>&1
rc=$?
[[ $rc -eq 0 ]] || { echo "second start ended with $rc"; exit 1; }
[[ ! -e "$XDG_RUNTIME_DIR/pret2" ]] || { echo "second start showed its main window"; exit 1; }
kill -0 $premier 2>/dev/null || { echo "first instance died"; exit 1; }
echo "second start ended at once"
