#!/usr/bin/env bash
# With fontconfig told of DejaVu alone, no font has the Japanese glyphs: the
# game (in a real window under Xvfb), the headless player and the content
# generator each stop with a non-zero status and a message naming the package
# to install, instead of drawing boxes; the headless player runs on fixed
# metrics when asked to. With VL Gothic beside DejaVu the generator draws the
# title with it.
# usage: no_japanese_font_test.sh BUILD_DIR TOOLS_DIR CONTENT_PROGRAM
set -euo pipefail
build=$1
tools=$2
content=$3
package=fonts-ipafont-gothic

source "$(dirname "$0")/common.sh"
in_xvfb 1024x768 "$0" "$@"

scratch_work

# A fontconfig configuration of only the given folders, its cache in $work.
# usage: fonts_conf FILE DIR...
fonts_conf() {
  local file=$1 dir
  shift
  {
    echo '<?xml version="1.0"?>'
    echo '<fontconfig>'
    for dir in "$@"; do echo "  <dir>$dir</dir>"; done
    echo "  <cachedir>$work/cache</cachedir>"
    echo '</fontconfig>'
  } > "$file"
}
fonts_conf "$work/dejavu.conf" /usr/share/fonts/truetype/dejavu
fonts_conf "$work/vl.conf" /usr/share/fonts/truetype/dejavu /usr/share/fonts/truetype/vlgothic

# Fails unless the status is non-zero and standard error names the package.
# usage: expect_refusal NAME STATUS ERROR_FILE
expect_refusal() {
  ((${2} != 0)) || { echo "$1 ran on without a Japanese font"; exit 1; }
  grep -q "$package" "$3" || { echo "$1 did not name $package:"; cat "$3"; exit 1; }
  echo "$1: status $2, $(head -n 1 "$3")"
}

export FONTCONFIG_FILE=$work/dejavu.conf

# The game shows its message in a box of its own, which waits for the player:
# close any window but the game's until the game has ended.
game_folder "$work/game" "$build"
cp "$build/minamori" "$work/game/"
SDL_AUDIODRIVER=dummy "$work/game/minamori" 2> "$work/game.err" &
pid=$!
box=
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  game_windows=$(xdotool search --pid "$pid" 2>/dev/null || true)
  for wid in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    grep -qx "$((wid))" <<<"$game_windows" && continue
    box=$wid
    "$tools/close-window" "$wid" || true
  done
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "the game did not end"; exit 1; fi
status=0
wait "$pid" || status=$?
pid=
expect_refusal minamori "$status" "$work/game.err"
[[ -n "$box" ]] || { echo "the game showed no message box"; exit 1; }

game_folder "$work/headless" "$build"
status=0
printf 'state\nquit\n' | "$build/minamori-headless" --seed 1 --data "$work/headless" \
  > "$work/headless.out" 2> "$work/headless.err" || status=$?
expect_refusal minamori-headless "$status" "$work/headless.err"
[[ ! -s "$work/headless.out" ]] || { echo "minamori-headless answered:"; cat "$work/headless.out"; exit 1; }

printf 'state\nquit\n' | "$build/minamori-headless" --box-fonts --seed 1 --data "$work/headless" \
  > "$work/headless.out"
grep -q '"money"' "$work/headless.out" ||
  { echo "minamori-headless --box-fonts did not play:"; cat "$work/headless.out"; exit 1; }
echo "minamori-headless --box-fonts: plays"

status=0
"$content" "$work/content" title.bmp 2> "$work/content.err" || status=$?
expect_refusal minamori-content "$status" "$work/content.err"

FONTCONFIG_FILE=$work/vl.conf "$content" "$work/content" title.bmp
[[ -s "$work/content/cg/title.bmp" ]] || { echo "no title drawn with VL Gothic"; exit 1; }
echo "minamori-content with VL Gothic: draws the title"
