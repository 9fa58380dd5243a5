#!/usr/bin/env bash
# The game's window on a 1920 x 1080 screen, under Xvfb with xdotool: the
# window opens at 1280 x 960 with the picture doubled, clicks at doubled
# positions reach the rows beneath them, and F11 (or Alt+Enter) toggles
# fullscreen: the screen-filling window shows the doubled picture centred on
# black, where clicks land on the picture's rows too, and a second F11 brings
# back the 1280 x 960 window.
# usage: scaled_test.sh BUILD_DIR TOOLS_DIR
set -euo pipefail
shopt -s nullglob
build=$1
tools=$2

source "$(dirname "$0")/common.sh"
in_xvfb 1920x1080 "$0" "$@"

scratch_work
game_folder "$work" "$build"
cp "$build/minamori" "$work/"

# A bare X server has no window manager to carry out fullscreen requests.
"$tools/fullscreen-wm" > "$work/wm.out" &
wm=$!
for _ in $(seq 1 50); do [[ -s "$work/wm.out" ]] && break; sleep 0.1; done

SDL_AUDIODRIVER=dummy "$work/minamori" &
pid=$!
wait_window

# Waits until the window is W x H.
expect_size() {
  for _ in $(seq 1 30); do
    geometry=$(xwininfo -id "$wid")
    if grep -q "Width: $1\$" <<<"$geometry" && grep -q "Height: $2\$" <<<"$geometry"; then
      echo "window is $1 x $2"
      return 0
    fi
    sleep 0.1
  done
  echo "window is not $1 x $2:"; echo "$geometry"; exit 1
}

# Waits until the window shows the picture enlarged SCALE times at X,Y (mean
# difference below 2, black border), over the whole picture or a rectangle of it.
expect_picture() {
  local scale=$1 x=$2 y=$3 picture=$4
  shift 4
  for _ in $(seq 1 30); do
    sleep 0.2
    xwd -id "$wid" -silent > "$work/shot.xwd"
    out=$("$tools/xwd-compare" --at "$scale" "$x" "$y" "$work/shot.xwd" "$picture" "$@" || true)
    diff=$(sed -n 's/^mean difference //p' <<<"$out")
    border=$(sed -n 's/^border mean //p' <<<"$out")
    if [[ -n "$diff" ]] && awk -v d="$diff" -v b="${border:-0}" 'BEGIN { exit !(d < 2 && b < 1) }'; then
      echo "shows $(basename "$picture") at ${scale}x from $x,$y (mean difference $diff${border:+, border $border})"
      return 0
    fi
  done
  echo "the window does not show $(basename "$picture") at ${scale}x from $x,$y: $out"
  exit 1
}

# The title menu's rows stand over the lower right of its picture.
expect_rows() {
  xwd -id "$wid" -silent > "$work/shot.xwd"
  out=$("$tools/xwd-compare" --at "$1" "$2" "$3" "$work/shot.xwd" "$build/cg/2.jpg" 400 360 640 480 || true)
  diff=$(sed -n 's/^mean difference //p' <<<"$out")
  [[ -n "$diff" ]] && awk -v d="$diff" 'BEGIN { exit !(d > 10) }' ||
    { echo "no rows over the title menu's picture: $out"; exit 1; }
}

click_at() {
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep "${3:-0.15}"
}

expect_size 1280 960
expect_picture 2 0 0 "$build/cg/title.bmp"
click_at 640 480 0.3
click_at 640 480
expect_picture 2 0 0 "$build/cg/2.jpg" 0 0 400 480

# Fullscreen: 1280 x 960 of picture in the middle of 1920 x 1080.
xdotool mousemove --window "$wid" 640 480 key F11
expect_size 1920 1080
expect_picture 2 320 60 "$build/cg/2.jpg" 0 0 400 480
# <イージーMODE> at its doubled place: the game takes the row, the title menu's
# rows leave the picture and the opening begins.
expect_rows 2 320 60
click_at $((320 + 2 * 520)) $((60 + 2 * 385)) 0.3
expect_picture 2 320 60 "$build/cg/2.jpg" 400 360 640 480

xdotool key F11
expect_size 1280 960
expect_picture 2 0 0 "$build/cg/2.jpg" 400 360 640 480
# Alt+Enter does the same.
xdotool key alt+Return
expect_size 1920 1080
xdotool key alt+Return
expect_size 1280 960

close_game "$tools" "$wid" "$pid"
echo "scaled window, clicks and fullscreen as expected"
