#!/usr/bin/env bash
# Gathers what the web page packs into OUT: the desktop build's pictures and
# sound effects, its MIDI music recorded through FluidSynth with the soundfont
# the desktop plays it with, encoded as MP3 (which every current browser
# decodes), and the page's fonts with their licence.
#   pack_content.sh NATIVE_BUILD OUT SOUNDFONT FONTS_DIR
set -euo pipefail
native=$1 out=$2 soundfont=$3 fonts=$4

rm -rf "$out"
mkdir -p "$out/cg" "$out/dat" "$out/music" "$out/fonts"
cp "$native"/cg/*.bmp "$native"/cg/*.jpg "$out/cg/"
cp "$native"/dat/*.wav "$out/dat/"

# At the desktop mixer's 22050 Hz; 48 kbit/s keeps a synthesized score clean.
for midi in "$native"/dat/*.mid; do
  name=$(basename "$midi" .mid)
  wave=$(mktemp --suffix=.wav)
  fluidsynth -n -i -q -g 0.6 -r 22050 -F "$wave" "$soundfont" "$midi" > /dev/null
  lame --quiet --noreplaygain -b 48 "$wave" "$out/music/$name.mp3"
  rm -f "$wave"
done

cp "$fonts"/minamori-pgothic.ttf "$fonts"/minamori-gothic.ttf "$fonts"/glyph-reach.txt \
  "$fonts"/IPA_Font_License_Agreement_v1.0.txt "$fonts"/README.txt "$out/fonts/"
