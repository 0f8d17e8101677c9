#!/bin/sh
# Makes the sample course's videos: generer-videos.sh PEDAVIN-VIDEOS [dossier] [clé…]
# PEDAVIN-VIDEOS is the built frame generator; the folder defaults to
# cours/COURS-TABLEUR/anim; without keys, every video is made.
# Needs espeak-ng, sox and ffmpeg; the outputs are committed, so builds do not.
set -eu
racine=$(cd "$(dirname "$0")/../.." && pwd)
generateur=${1:?usage: generer-videos.sh PEDAVIN-VIDEOS [dossier] [clé…]}
sortie=${2:-$racine/cours/COURS-TABLEUR/anim}
[ $# -ge 2 ] && shift 2 || shift $#
mkdir -p "$sortie"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

ips=10                          # frames a second
format="-r 22050 -c 1 -b 16 -e signed-integer"

# The tone that opens the questionnaire and test intros: two rising notes.
sox -n $format "$tmp/n1.wav" synth 0.22 sine 659.3 fade q 0.01 0.22 0.12 gain -9
sox -n $format "$tmp/n2.wav" synth 0.5 sine 987.8 fade q 0.01 0.5 0.35 gain -9
sox "$tmp/n1.wav" "$tmp/n2.wav" "$tmp/ton.wav" pad 0.1 0.2

if [ $# -eq 0 ]; then
  set -- $("$generateur" --liste | awk '{print $2}')
fi

for cle in "$@"; do
  sorte=$("$generateur" --liste | awk -v c="$cle" '$2 == c {print $1}')
  # the intros are brisker, to stay within their ten seconds
  if [ "$sorte" = I ]; then mini=6; maxi=10; vitesse=160; else mini=15; maxi=40; vitesse=150; fi
  rm -f "$tmp"/seg*.wav
  "$generateur" --narration "$cle" > "$tmp/narration.txt"
  i=0
  durees=""
  total=0
  nb=$(wc -l < "$tmp/narration.txt")
  while IFS= read -r texte; do
    i=$((i + 1))
    seg=$(printf '%s/seg%02d.wav' "$tmp" "$i")
    if [ -z "$texte" ]; then
      cp "$tmp/ton.wav" "$seg"
    else
      espeak-ng -v fr -s "$vitesse" -w "$tmp/voix.wav" "$texte"
      # trim the voice's own silences, then a pause after each sentence
      debut=0; [ "$i" -eq 1 ] && debut=0.4
      fin=0.5; [ "$i" -eq "$nb" ] && fin=1.0
      sox "$tmp/voix.wav" $format "$seg" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3 pad "$debut" "$fin"
    fi
    d=$(soxi -D "$seg")
    durees="$durees $d"
    total=$(echo "$total + $d" | bc -l)
  done < "$tmp/narration.txt"

  # a video shorter than its minimum holds its last picture longer
  manque=$(echo "$mini - $total" | bc -l)
  if [ "$(echo "$manque > 0" | bc)" -eq 1 ]; then
    sox "$seg" "$tmp/long.wav" pad 0 "$manque"
    mv "$tmp/long.wav" "$seg"
    d=$(soxi -D "$seg")
    durees=$(echo "$durees" | awk -v d="$d" '{ $NF = d; print }')
    total=$mini
  fi
  if [ "$(echo "$total > $maxi" | bc)" -eq 1 ]; then
    echo "$cle: ${total} s, longer than $maxi s: shorten its narration" >&2
    exit 1
  fi

  # The sound lasts exactly as long as the frames. The encoder's priming
  # delay must not shift the pictures: frame 0 keeps time 0.
  images=$(echo "$total * $ips" | bc -l | awk '{ n = int($1); if (n < $1) n++; print n }')
  sox "$tmp"/seg*.wav "$tmp/son.wav"
  sox "$tmp/son.wav" "$tmp/son-long.wav" pad 0 1.0
  sox "$tmp/son-long.wav" "$tmp/son-calé.wav" trim 0 "$(echo "$images / $ips" | bc -l)"

  # shellcheck disable=SC2086
  "$generateur" --images "$cle" "$ips" $durees |
    ffmpeg -v error -y -f rawvideo -pix_fmt rgb24 -s 640x480 -r "$ips" -i - -i "$tmp/son-calé.wav" \
      -c:v mpeg4 -vtag DX50 -q:v 5 -g 100 -mbd rd -flags +mv4+aic -trellis 1 -pix_fmt yuv420p \
      -c:a libmp3lame -b:a 32k -ar 22050 -ac 1 -avoid_negative_ts disabled \
      "$sortie/$cle.avi"
  printf '%s  %5.1f s  %4d images  %s octets\n' "$cle" "$total" "$images" "$(stat -c %s "$sortie/$cle.avi")"
done
