#!/usr/bin/env bash
# Video player figures, on files made here once (kept in the build tree):
# a 1024 x 768 screen capture (MS Video 1, 15 frames/s) and two lesson videos
# (MPEG-4 with MP3, Cinepak with MS ADPCM). Decode throughput is measured on all
# three beside `ffmpeg -i FILE -f null -` in the same run, best of three passes
# on each side. decode_fps is the player's decoding path (demultiplexing,
# decoding, frame numbering); decode_convert_fps adds the conversion to RGB
# that every frame shown also costs.
set -uo pipefail
build="${PEDAVIN_BUILD:?}"
outil="$build/bin/bench-video"
if [[ ! -x "$outil" ]]; then
  echo "video.sh: $outil is missing (build the bench-video target)" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
dossier="$build/bench-video"
mkdir -p "$dossier"
ff() { ffmpeg -hide_banner -nostdin -loglevel error -y "$@"; }
police=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
[[ -f $police ]] || police=$(fc-match -f '%{file}' sans 2>/dev/null)

capture="$dossier/capture_1024.avi"
if [[ ! -f $capture ]]; then
  # A spreadsheet window on a desktop, text typed line after line, a moving pointer.
  ff -f lavfi -i "color=c=0x3a6ea5:s=1024x768:r=15,\
drawbox=x=80:y=60:w=760:h=560:color=white:t=fill,\
drawbox=x=80:y=60:w=760:h=28:color=0x0a246a:t=fill,\
drawbox=x=80:y=88:w=760:h=24:color=0xd4d0c8:t=fill,\
drawtext=fontfile=$police:text='Classeur1 - Tableur':x=90:y=66:fontsize=16:fontcolor=white,\
drawtext=fontfile=$police:text='Saisie de la cellule B%{eif\:1+n/15\:d} \: %{eif\:n*37\:d}':x=100:y=140+mod(floor(n/15)*24\,400):fontsize=18:fontcolor=black,\
drawtext=fontfile=$police:text='>':x=200+mod(n*9\,500):y=300+mod(n*5\,200):fontsize=28:fontcolor=black" \
     -t 10 -c:v msvideo1 -f avi "$capture.part" && mv "$capture.part" "$capture"
fi
lecon640="$dossier/lecon_640_mpeg4.avi"
if [[ ! -f $lecon640 ]]; then
  ff -f lavfi -i "testsrc2=s=640x480:r=25" -f lavfi -i "sine=f=440:r=22050" -t 10 \
     -c:v mpeg4 -q:v 4 -g 50 -c:a libmp3lame -b:a 64k -avoid_negative_ts disabled -f avi "$lecon640.part" && mv "$lecon640.part" "$lecon640"
fi
lecon320="$dossier/lecon_320_cinepak.avi"
if [[ ! -f $lecon320 ]]; then
  ff -f lavfi -i "testsrc2=s=320x240:r=15" -f lavfi -i "sine=f=440:r=22050" -t 10 \
     -c:v cinepak -c:a adpcm_ms -f avi "$lecon320.part" && mv "$lecon320.part" "$lecon320"
fi

valeur() { awk -v k="$1" '$1 == k { print $2 }'; }
memoire=0
plus_grand() { awk -v a="$1" -v b="$2" 'BEGIN { print (a > b ? a : b) }'; }

images_total=0; notre_s=0; conv_s=0; ffmpeg_s=0
for f in "$capture" "$lecon640" "$lecon320"; do
  r=$("$outil" decode "$f") || { echo "video.sh: bench-video failed on $f" >&2; exit 1; }
  n=$(valeur images <<<"$r"); d=$(valeur decodage_s <<<"$r"); c=$(valeur avec_conversion_s <<<"$r")
  memoire=$(plus_grand "$memoire" "$(valeur memoire_max_mo <<<"$r")")
  # Best of three, as bench-video does for the player.
  t=$(for i in 1 2 3; do
        ffmpeg -hide_banner -nostdin -benchmark -i "$f" -f null - 2>&1 | sed -n 's/.*rtime=\([0-9.]*\)s.*/\1/p' | tail -1
      done | sort -g | head -1)
  images_total=$((images_total + n))
  notre_s=$(awk -v a="$notre_s" -v b="$d" 'BEGIN { print a + b }')
  conv_s=$(awk -v a="$conv_s" -v b="$c" 'BEGIN { print a + b }')
  ffmpeg_s=$(awk -v a="$ffmpeg_s" -v b="$t" 'BEGIN { print a + b }')
  nom=$(basename "$f" .avi)
  awk -v n="$n" -v d="$d" -v t="$t" -v nom="$nom" \
    'BEGIN { printf "video.decode_ratio_%s: %.2f x\n", nom, (n / d) / (n / t) }'
done
awk -v n="$images_total" -v d="$notre_s" -v c="$conv_s" -v t="$ffmpeg_s" 'BEGIN {
  printf "video.decode_fps: %.0f fps\n", n / d
  printf "video.ffmpeg_decode_fps: %.0f fps\n", n / t
  printf "video.decode_ratio: %.2f x\n", t / d
  printf "video.decode_convert_fps: %.0f fps\n", n / c
}'

r=$("$outil" premiere "$capture" 7) || exit 1
printf "video.first_frame_ms: %.1f ms\n" "$(valeur premiere_ms <<<"$r")"

r=$("$outil" lecture "$capture" 6) || exit 1
printf "video.cpu_percent: %.1f %%\n" "$(valeur cpu_pourcent <<<"$r")"
memoire=$(plus_grand "$memoire" "$(valeur memoire_max_mo <<<"$r")")
r=$("$outil" lecture "$lecon640" 4) || exit 1
memoire=$(plus_grand "$memoire" "$(valeur memoire_max_mo <<<"$r")")
printf "video.peak_memory_mb: %.0f MB\n" "$memoire"
