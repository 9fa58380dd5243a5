#!/usr/bin/env bash
# The software centre's screenshots, taken from the game itself: the opening
# of the recorded easy game, played by minamori-headless with the real fonts,
# shot at the title, at the main menu and in its first battle.
# usage: take_screenshots.sh HEADLESS BUILD_DIR REPLAY_COMMANDS OUT_DIR
set -euo pipefail
headless=$1
build=$2
replay=$3
out=$4

# A fresh data folder: the build's pictures, no save, so the game starts anew.
play=$(mktemp -d)
trap 'rm -rf "$play"' EXIT
[[ -f "$build/cg/title.bmp" ]] || { echo "no pictures in $build/cg"; exit 1; }
ln -s "$(realpath "$build/cg")" "$play/cg"
mkdir "$play/dat" "$out.partial"

# Where the recorded game stands: 23 commands reach the main menu of a new
# easy game, 93 the third round of its first battle.
{
  echo "tick 12"
  echo "shot $out.partial/title.png"
  sed -n 1,23p "$replay"
  echo "tick 12"
  echo "shot $out.partial/main-menu.png"
  sed -n 24,93p "$replay"
  echo "tick 6"
  echo "shot $out.partial/battle.png"
  echo "state"
} | "$headless" --data "$play" --seed 1 > "$play/answers"

# Every command answers ok, and the last state is the battle's.
if grep -v -e '^ok$' -e '^{' "$play/answers"; then echo "the screenshots' game went wrong"; exit 1; fi
grep -q '"battleState":[1-9]' "$play/answers" || { echo "no battle on the last screenshot"; exit 1; }
rm -rf "$out"
mv "$out.partial" "$out"
