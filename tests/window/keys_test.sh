#!/usr/bin/env bash
# The game in a real window under Xvfb, played by key presses alone: the title
# pictures, <イージーMODE>, the opening lines, 活動 and 働く (the commands of
# tests/tools/easy_start_by_keys.txt, the same as the headless replay), then
# Page Up shows the message history with the lines that have left the log.
# The window must show what minamori-headless shows after the same keys.
# First, on the title picture, Esc asks whether to erase every record: the box
# is the game's own, drawn as the headless boxshot draws it, and opens on
# いいえ, so Return erases and saves nothing; Esc, ← and Return answer はい,
# which saves the erased records, and a click closes the "Done...." box.
# usage: keys_test.sh BUILD_DIR TOOLS_DIR KEYS_FILE
set -euo pipefail
shopt -s nullglob
build=$1
tools=$2
keys=$3

source "$(dirname "$0")/common.sh"
in_xvfb 1024x768 "$0" "$@"

scratch_work
# Each program finds cg/ and dat/ in a folder of its own.
game_folder "$work/game" "$build"
game_folder "$work/headless" "$build"
cp "$build/minamori" "$work/game/"

# The picture the history should show, from the headless program.
{ cat "$keys"; printf 'tick 3\nkey pageup\ntick 2\nshot %s\nquit\n' "$work/history.png"; } |
  "$build/minamori-headless" --seed 1 --data "$work/headless" > "$work/headless.out"
if grep -q '^error' "$work/headless.out"; then cat "$work/headless.out"; exit 1; fi
# The reset box and the box that follows it, as the headless program draws them.
game_folder "$work/boxes" "$build"
printf 'key esc\nboxshot %s\nanswer yes\nkey esc\nboxshot %s\n' "$work/reset.png" "$work/done.png" |
  "$build/minamori-headless" --seed 1 --data "$work/boxes" > "$work/boxes.out"
if grep -q '^error' "$work/boxes.out"; then cat "$work/boxes.out"; exit 1; fi

SDL_AUDIODRIVER=dummy "$work/game/minamori" &
pid=$!
wait_window
xdotool windowfocus --sync "$wid"

expect_picture "$build/cg/title.bmp" 2
xdotool key Escape
expect_picture "$work/reset.png" 1
cp "$work/shot.xwd" "$tools/keys_reset_box.xwd"  # kept for a look at the box
xdotool key Return
expect_picture "$build/cg/title.bmp" 1
[[ ! -e "$work/game/dat/my.dat" ]] || { echo "Return on the reset box erased and saved"; exit 1; }
xdotool key Escape Left Return
expect_picture "$work/done.png" 1
[[ -e "$work/game/dat/my.dat" ]] || { echo "←, Return on the reset box saved nothing"; exit 1; }
# A one-line box's OK button lies a little below the middle of the picture.
xdotool mousemove --window "$wid" 320 262 click 1
expect_picture "$build/cg/title.bmp" 1
echo "the reset box answered いいえ to Return, はい to ← and Return"

play "$keys"
sleep 0.5
# The system's pointer followed the keys to the middle of 働く.
eval "$(xdotool getmouselocation --shell)"
pointer="$X $Y"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ "$pointer" == "$((X + 520)) $((Y + 22))" ]] ||
  { echo "the pointer is at $pointer, the window at $X $Y"; exit 1; }

xdotool key Prior
# Text, panels and rows under the panel may shimmer a little differently; the
# oldest lines, long gone from the log, must match closely.
expect_picture "$work/history.png" 3
expect_picture "$work/history.png" 2 10 240 470 310
cp "$work/shot.xwd" "$tools/keys_history.xwd"  # kept for a look at the history

xdotool key Escape
sleep 0.3
close_game "$tools" "$wid" "$pid"
days=$(sed -n '1p' "$work/game/dat/my.dat" | tr -d '\r')
worked=$(sed -n '610p' "$work/game/dat/my.dat" | tr -d '\r')   # the use count of 働く, row 300
[[ "$days" == 290 && "$worked" == 1 ]] ||
  { echo "the year shows $days days used and 働く used $worked times"; exit 1; }
echo "a year's work chosen by keys alone and saved"
