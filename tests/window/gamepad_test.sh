#!/usr/bin/env bash
# The game in a real window under Xvfb, played by a gamepad alone: SDL's
# virtual controller, which the game attaches when MINAMORI_GAMEPAD_SCRIPT
# names a script (src/platform/sdl_virtual_gamepad.h). On the title picture
# the right trigger fast-forwards, as the caption says, until the pad is
# unplugged; two damaged lines are passed over with a message. Plugged in
# again, the pad plays the commands of tests/tools/easy_start_by_keys.txt
# (Enter as A, ↓ on the D-pad, ↑ on the stick) through the title pictures,
# <イージーMODE> and the opening lines to 活動 and 働く: the window must show
# what minamori-headless shows after the same keys, with the system's pointer
# on 働く; Y opens the message history and B closes it; and the game saved on
# closing is the one the headless program saved.
# usage: gamepad_test.sh BUILD_DIR TOOLS_DIR KEYS_FILE
set -euo pipefail
shopt -s nullglob
build=$1
tools=$2
keys=$3

source "$(dirname "$0")/common.sh"
in_xvfb 1024x768 "$0" "$@"

scratch_work
game_folder "$work/game" "$build"
game_folder "$work/headless" "$build"
cp "$build/minamori" "$work/game/"

{
  cat "$keys"
  printf 'tick 40\nshot %s\nkey pageup\ntick 2\nshot %s\n' "$work/worked.png" "$work/history.png"
  printf 'key backspace\ntick 2\nquit\n'
} | "$build/minamori-headless" --seed 1 --data "$work/headless" > "$work/headless.out"
if grep -q '^error' "$work/headless.out"; then cat "$work/headless.out"; exit 1; fi

# The keys as the pad's lines; a tap takes two frames, about what a key takes
# in keys_test.sh. What the checks below look for lasts long enough to be
# seen by a slow poll of the window: the fast-forward 3 s, the work and then
# the history 9 s each.
{
  cat <<'EOF'
wait 10
trigger 32767
wait 30
unplug
jump a
axis lefty 40000
wait 10
plug
wait 10
EOF
  awk '$1 == "key" && $2 == "enter" { print "tap a"; next }
       $1 == "key" && $2 == "down" { print "tap down"; next }
       $1 == "key" && $2 == "up" { print "axis lefty -30000"; print "axis lefty 0"; next }
       $1 == "tick" { print "wait " $2; next }
       { print "no pad line for: " $0 > "/dev/stderr"; exit 1 }' "$keys"
  printf 'wait 100\ntap y\nwait 100\ntap b\n'
} > "$work/pad.txt"

MINAMORI_SEED=1 MINAMORI_GAMEPAD_SCRIPT="$work/pad.txt" SDL_AUDIODRIVER=dummy "$work/game/minamori" \
  2> "$work/game.err" &
pid=$!
wait_window
# The pad plays only to the window with the focus.
xdotool windowfocus --sync "$wid"

# Waits until the caption does (yes) or does not (no) say that the game fast-forwards.
expect_fast_forward() {
  local caption
  for _ in $(seq 1 100); do
    caption=$(xdotool getwindowname "$wid")
    if [[ "$caption" == *早送り* ]]; then [[ $1 == yes ]] && return 0
    else [[ $1 == no ]] && return 0
    fi
    sleep 0.1
  done
  echo "the caption, \"$caption\", did not turn to fast-forward $1"
  exit 1
}

expect_fast_forward yes
expect_fast_forward no
echo "the trigger fast-forwarded until the pad was unplugged"

# The window's game plays the headless program's seed, so whether a battle
# follows 働く is the same in both. The panel with the days and the money must
# agree to the pixel once the days have counted up: a wrong count of days
# makes a mean difference of only 0.2.
panel=(0 0 410 370)
expect_picture "$work/worked.png" 0.01 "${panel[@]}"
# The system's pointer followed the pad to the middle of 働く.
eval "$(xdotool getmouselocation --shell)"
pointer="$X $Y"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ "$pointer" == "$((X + 520)) $((Y + 22))" ]] ||
  { echo "the pointer is at $pointer, the window at $X $Y"; exit 1; }
echo "a year's work chosen by the pad plugged in again"
expect_picture "$work/history.png" 3
expect_picture "$work/history.png" 2 10 240 470 310
expect_picture "$work/worked.png" 0.01 "${panel[@]}"
echo "Y opened the message history and B closed it"

close_game "$tools" "$wid" "$pid"
cmp "$work/game/dat/my.dat" "$work/headless/dat/my.dat" ||
  { echo "the window saved another game than the headless program"; exit 1; }
echo "the game saved is the headless program's"
for line in 'jump a' 'axis lefty 40000'; do
  grep -qF "ignored \"$line\"" "$work/game.err" ||
    { echo "no message for the damaged line \"$line\""; cat "$work/game.err"; exit 1; }
done
echo "the damaged lines were passed over with a message"
