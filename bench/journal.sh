#!/usr/bin/env bash
# The recorder over 30,000 lines: median time per line, and the first and
# last thousand lines' medians, to show it stays flat as the journal grows.
set -euo pipefail
"$PEDAVIN_BUILD/bin/bench-journal" 30000
