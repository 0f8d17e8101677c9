#!/bin/sh
# Makes the program's sound cues: generer-sons.sh [dossier], default assets/sons.
# Needs sox and espeak-ng; the outputs are committed, so builds do not.
set -eu
racine=$(cd "$(dirname "$0")/../.." && pwd)
sortie=${1:-$racine/assets/sons}
mkdir -p "$sortie"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 22,05 kHz mono 16 bits: small files that every sound device plays.
format="-r 22050 -c 1 -b 16 -e signed-integer"

sox -n $format "$sortie/clic.wav" synth 0.012 square 1800 fade 0 0.012 0.008 gain -6
sox -n $format "$sortie/plop.wav" synth 0.09 sine 900-180 fade q 0.005 0.09 0.05 gain -4
sox -n $format "$sortie/beep.wav" synth 0.15 sine 880 fade 0.005 0.15 0.03 gain -6
sox -n $format "$sortie/laser1.wav" synth 0.35 sine 2400-150 fade 0 0.35 0.1 gain -6

set -- un deux trois quatre cinq six sept huit neuf dix
n=1
for mot in "$@"; do
  espeak-ng -v fr -s 150 -w "$tmp/q.wav" "Question $mot"
  # trim the voice's leading and trailing silence, then normalise
  sox "$tmp/q.wav" $format "$sortie/Q$n.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3
  n=$((n + 1))
done
