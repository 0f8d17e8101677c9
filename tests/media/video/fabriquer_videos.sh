#!/usr/bin/env bash
# fabriquer_videos.sh <folder>
# Makes the test videos. Every picture carries its frame number as a 16-bit
# pattern: 8 columns by 2 rows of black (0) or white (1) cells over the top four
# fifths, bit b in column b%8, row b/8; a grey band below. A test reads the
# number back from any decoded or scaled picture.
set -euo pipefail
out="$1"
mkdir -p "$out"
cd "$out"

ff() { ffmpeg -hide_banner -nostdin -loglevel error -y "$@"; }
motif() { # motif <size> <rate>
  echo "nullsrc=s=$1:r=$2,format=gray,geq=lum='if(lt(Y\,0.8*H)\,255*mod(floor(N/pow(2\,floor(X*8/W)+8*floor(Y*5/(2*H))))\,2)\,128)'"
}
son() { echo "sine=f=440:r=11025:d=6"; }
# Sound encoded with the picture in one pass, without the shift the muxer
# would otherwise add for the MP3 encoder's delay.
sans_decalage=(-avoid_negative_ts disabled)

# 60 frames at 10 per second, 160 x 120, one file per picture codec, each with
# a different sound codec.
ff -f lavfi -i "$(motif 160x120 10)" -f lavfi -i "$(son)" -frames:v 60 \
   -c:v msvideo1 -c:a pcm_s16le -ac 1 msvideo1_pcm.avi
ff -f lavfi -i "$(motif 160x120 10)" -f lavfi -i "$(son)" -frames:v 60 \
   -c:v cinepak -g 15 -c:a adpcm_ms -ac 1 cinepak_adpcm_ms.avi
ff -f lavfi -i "$(motif 160x120 10)" -f lavfi -i "$(son)" -frames:v 60 \
   -c:v mjpeg -q:v 5 -c:a adpcm_ima_wav -ac 1 mjpeg_adpcm_ima.avi
encodeurs=$(ffmpeg -hide_banner -encoders 2>/dev/null)
if [[ $encodeurs == *libmp3lame* ]]; then
  ff -f lavfi -i "$(motif 160x120 10)" -f lavfi -i "$(son)" -frames:v 60 \
     -c:v mpeg4 -g 12 -q:v 4 -c:a libmp3lame -b:a 32k -ac 1 "${sans_decalage[@]}" mpeg4_mp3.avi
else
  ff -f lavfi -i "$(motif 160x120 10)" -frames:v 60 -c:v mpeg4 -g 12 -q:v 4 mpeg4_mp3.avi
fi
ff -f lavfi -i "$(motif 160x120 10)" -frames:v 60 -c:v msmpeg4 -g 12 -q:v 4 msmpeg4v3.avi
ff -f lavfi -i "$(motif 32x24 10)" -frames:v 60 -c:v rawvideo -pix_fmt bgr24 brut.avi
# A rate that is not a whole number of microseconds per frame.
ff -f lavfi -i "$(motif 32x24 30000/1001)" -frames:v 30 -c:v rawvideo -pix_fmt bgr24 ntsc.avi

# Frames 20 to 24 missing: the AVI holds drop frames there, which show frame 19.
ff -f lavfi -i "$(motif 160x120 10)" -vf "select='not(between(n\,20\,24))'" -fps_mode passthrough \
   -frames:v 55 -c:v msvideo1 trous.avi

# Longer than 16-bit frame numbers can follow.
ff -f lavfi -i "$(motif 8x5 25)" -frames:v 33000 -c:v rawvideo long.avi

# Bad input, made from the good files.
taille=$(stat -c %s msvideo1_pcm.avi)
head -c $((taille / 2)) msvideo1_pcm.avi > tronque.avi
cp msvideo1_pcm.avi corrompu.avi
head -c 6000 /dev/zero | tr '\0' '\245' | dd of=corrompu.avi bs=1 seek=40000 conv=notrunc status=none
cp msvideo1_pcm.avi codec_inconnu.avi
for o in $(grep -obUa -e CRAM -e MSVC codec_inconnu.avi | head -2 | cut -d: -f1); do
  printf 'QZXW' | dd of=codec_inconnu.avi bs=1 seek="$o" conv=notrunc status=none
done
movi=$(grep -obUa movi msvideo1_pcm.avi | head -1 | cut -d: -f1)
head -c $((movi + 4)) msvideo1_pcm.avi > sans_image.avi
ff -f lavfi -i "$(son)" -c:a pcm_s16le son_seul.avi
printf 'Ceci n est pas une video.\r\n%.0s' $(seq 1 40) > pas_une_video.avi
touch "$out/.fait"
