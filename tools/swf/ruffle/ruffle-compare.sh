#!/usr/bin/env bash
# tools/swf/ruffle/ruffle-compare.sh <movie.swf> <seconds> <frame> [build dir]
# Our own movies have no expected image: render one with Ruffle in headless
# Chromium after <seconds> of playing, and with swf-render at <frame>, then
# print the share of pixels within +-8 per channel. Needs Debian's chromium
# (apt-get install chromium), npm and ImageMagick; Ruffle and playwright-core
# are installed from npm into $RUFFLE_HOME (default /tmp/pedavin-ruffle).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
movie="$1"; secs="$2"; frame="$3"
build="${4:-$(dirname "$(dirname "$(dirname "$here")")")/build}"
home="${RUFFLE_HOME:-/tmp/pedavin-ruffle}"
command -v chromium >/dev/null || { echo "ruffle-compare: chromium is not installed" >&2; exit 2; }
mkdir -p "$home"
if [[ ! -d "$home/node_modules/@ruffle-rs/ruffle" ]]; then
  (cd "$home" && npm install --silent @ruffle-rs/ruffle@0.6.0 playwright-core >/dev/null)
fi
ln -sfn "$home/node_modules/@ruffle-rs/ruffle" "$home/ruffle"
cp "$here/page.html" "$here/shot.js" "$home/"
cp "$movie" "$home/movie.swf"
read -r w h < <("$build/bin/swf-dump" "$movie" 2>/dev/null | head -1 | sed -E 's/.*stage=([0-9.]+)x([0-9.]+) twips.*/\1 \2/' | awk '{print int($1/20+0.5), int($2/20+0.5)}')
port=$((8700 + RANDOM % 200))
(cd "$home" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1
(cd "$home" && PORT=$port NODE_PATH="$home/node_modules" node shot.js movie.swf "$w" "$h" "$secs" "$home/ruffle.png")
"$build/bin/swf-render" "$movie" "$frame" "$home/ours.png" --aa 2>/dev/null
diff=$(compare -metric AE -fuzz 3.2% "$home/ours.png" "$home/ruffle.png" null: 2>&1 || true)
awk -v d="$diff" -v n=$((w * h)) 'BEGIN { printf "within +-8 of Ruffle: %.2f%% (%d of %d pixels differ)\n", 100 * (n - d) / n, d, n }'
echo "images: $home/ours.png $home/ruffle.png"
