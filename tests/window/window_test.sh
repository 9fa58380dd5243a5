#!/usr/bin/env bash
# The game in a real window under Xvfb, driven with xdotool: the window is
# 640 x 480 and shows the title picture, two clicks show the title menu's
# picture, <イージーMODE> starts a game, 活動 and 働く spend the year's days, and
# closing the window saves the game.
# usage: window_test.sh BUILD_DIR TOOLS_DIR
set -euo pipefail
shopt -s nullglob
build=$1
tools=$2

source "$(dirname "$0")/common.sh"
in_xvfb 1024x768 "$0" "$@"

scratch_work
# The program finds cg/ and dat/ beside itself: give it a folder of its own.
game_folder "$work" "$build"
cp "$build/minamori" "$work/"

SDL_AUDIODRIVER=dummy "$work/minamori" &
pid=$!
wait_window

geometry=$(xwininfo -id "$wid")
grep -q "Width: 640" <<<"$geometry" && grep -q "Height: 480" <<<"$geometry" ||
  { echo "window is not 640 x 480:"; echo "$geometry"; exit 1; }

# Waits until the window shows the picture (mean difference below 2), over the
# whole window or the given rectangle.
expect_picture() {
  local picture=$1
  shift
  for _ in $(seq 1 30); do
    sleep 0.2
    xwd -id "$wid" -silent > "$work/shot.xwd"
    out=$("$tools/xwd-compare" "$work/shot.xwd" "$picture" "$@" || true)
    diff=$(sed -n 's/^mean difference //p' <<<"$out")
    if [[ -n "$diff" ]] && awk -v d="$diff" 'BEGIN { exit !(d < 2) }'; then
      echo "shows $(basename "$picture") (mean difference $diff)"
      return 0
    fi
  done
  echo "the window does not show $(basename "$picture"): $out"
  exit 1
}

expect_picture "$build/cg/title.bmp"
xdotool mousemove --window "$wid" 320 240 click 1
sleep 0.3
xdotool mousemove --window "$wid" 320 240 click 1
# The title menu's rows stand at the right; the picture shows left of them.
expect_picture "$build/cg/2.jpg" 0 0 400 480

click_at() {
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep "${3:-0.15}"
}
click_at 520 385 0.3                                  # <イージーMODE>, the lowest but three
for _ in $(seq 1 12); do click_at 100 300; done      # the opening lines
sleep 1.2                                             # the main menu slides in
click_at 520 24 1.2                                   # 活動, the first row
click_at 520 22 0.3                                   # 働く, the first activity

close_game "$tools" "$wid" "$pid"
lines=$(wc -l < "$work/dat/my.dat")
[[ "$lines" -eq 6092 ]] || { echo "dat/my.dat has $lines lines"; exit 1; }
days=$(sed -n '1p' "$work/dat/my.dat" | tr -d '\r')
worked=$(sed -n '610p' "$work/dat/my.dat" | tr -d '\r')   # the use count of 働く, row 300
[[ "$days" == 290 && "$worked" == 1 ]] ||
  { echo "the year shows $days days used and 働く used $worked times"; exit 1; }
echo "closing saved dat/my.dat after a year's work"
