#!/usr/bin/env bash
# SWF player figures: a frame of a 1024 x 768 screen-capture movie made by our
# writer (target <= 16 ms), a seek to frame 5000 (target <= 100 ms), peak memory.
set -euo pipefail
exec "${PEDAVIN_BUILD:-build}/bin/swf-bench"
