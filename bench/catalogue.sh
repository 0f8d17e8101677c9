#!/usr/bin/env bash
# Catalogue scan plus lesson tree build on a generated course of 2,000
# documents and 300 animations: median of 15 runs.
set -euo pipefail
exe="$PEDAVIN_BUILD/bin/pedavin-bench-catalogue"
if [[ ! -x "$exe" ]]; then
  echo "catalogue: build pedavin-bench-catalogue first" >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen "$exe" 15
