#!/usr/bin/env bash
# What the window offers around the game, by key presses: the first year's
# work as in keys_test.sh, then ..１年を終える and the morning read by holding
# Ctrl; F1's help and P's preferences, each kept by F12 as a PNG that must
# equal the headless program's shot after the same keys on the same seed; and
# the year's end saved on closing.
# usage: comforts_test.sh BUILD_DIR TOOLS_DIR KEYS_FILE
set -euo pipefail
shopt -s nullglob
build=$1
tools=$2
keys=$3

source "$(dirname "$0")/common.sh"
in_xvfb 1024x768 "$0" "$@"

scratch_work
mkdir -p "$XDG_CONFIG_HOME" "$work/pictures"
echo "XDG_PICTURES_DIR=\"$work/pictures\"" > "$XDG_CONFIG_HOME/user-dirs.dirs"
game_folder "$work/game" "$build"
game_folder "$work/headless" "$build"
cp "$build/minamori" "$work/game/"

# The first year's work, back to the main menu, down to ..１年を終える and
# Enter; the morning under Ctrl; then each panel.
{ cat "$keys"; printf 'tick 12\nkey backspace\ntick 12\nkey down\nkey down\nkey down\nkey down\nkey enter\ntick 3\n'; } > "$work/year.txt"
printf 'keydown ctrl\ntick 30\nkeyup ctrl\ntick 12\n' > "$work/morning.txt"
{ cat "$work/year.txt" "$work/morning.txt"
  printf 'key f1\ntick 3\nshot %s\nkey esc\nkey p\ntick 3\nshot %s\nkey esc\nquit\n' \
    "$work/help.png" "$work/preferences.png"
} | "$build/minamori-headless" --seed 1 --data "$work/headless" > "$work/headless.out"
if grep -q '^error' "$work/headless.out"; then cat "$work/headless.out"; exit 1; fi

MINAMORI_SEED=1 SDL_AUDIODRIVER=dummy "$work/game/minamori" &
pid=$!
wait_window
xdotool windowfocus --sync "$wid"
sleep 0.5

play "$work/year.txt"
xdotool keydown Control_L
sleep 0.5
caption=$(xdotool getwindowname "$wid")
[[ "$caption" == *早送り* ]] || { echo "no fast-forward mark in the caption: $caption"; exit 1; }
sleep 2.5
xdotool keyup Control_L
sleep 1.3
[[ "$(xdotool getwindowname "$wid")" != *早送り* ]] || { echo "fast-forward stayed on"; exit 1; }

# F12 over a panel; the newest picture in the pictures folder.
keep_panel() {
  local key=$1 expected=$2
  local before out diff
  before=$(ls "$work/pictures" | wc -l)
  xdotool key "$key"
  # F12 keeps what the window shows: the panel must be drawn first, which on a
  # busy machine can take more than a frame.
  expect_picture "$expected" 2
  xdotool key F12
  for _ in $(seq 1 20); do
    [[ $(ls "$work/pictures" | wc -l) -gt $before ]] && break
    sleep 0.1
  done
  local shot
  shot=$(ls -t "$work/pictures"/minamori-*.png | head -n 1)
  [[ -n "$shot" ]] || { echo "F12 wrote nothing"; exit 1; }
  cp "$shot" "$tools/comforts_$(basename "$expected")"
  out=$("$tools/xwd-compare" "$shot" "$expected" || true)
  diff=$(sed -n 's/^mean difference //p' <<<"$out")
  if [[ -z "$diff" ]] || ! awk -v d="$diff" 'BEGIN { exit !(d < 0.5) }'; then
    echo "F12's picture differs from $(basename "$expected"): $out"
    exit 1
  fi
  echo "F12 kept $(basename "$expected") (mean difference $diff)"
  xdotool key Escape
  sleep 0.3
}
keep_panel F1 "$work/help.png"
keep_panel p "$work/preferences.png"

close_game "$tools" "$wid" "$pid"
pid=
year=$(printf 'state\n' | "$build/minamori-headless" --box-fonts --data "$work/game" |
  grep -o '"year":[0-9]*' | head -n 1)
[[ "$year" == '"year":1' ]] || { echo "the year did not end: $year"; exit 1; }
echo "the morning read by Ctrl, both panels kept by F12, the new year saved"
