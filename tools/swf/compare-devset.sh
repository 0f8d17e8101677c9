#!/usr/bin/env bash
# tools/swf/compare-devset.sh [build dir] [-- swf-render options]
# Renders every case of ../shared/swf/cases.tsv and prints the per-case table.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$(dirname "$here")")"
build="${1:-$root/build}"
shift || true
exec "$build/bin/swf-compare" --set "${SWF_DEVSET:-$(dirname "$root")/shared/swf}" --render "$build/bin/swf-render" --out "${SWF_OUT:-/tmp/swf-devset}" "$@"
