#!/usr/bin/env bash
# The game in a real window under Xvfb, driven by xdotool, as one test: the
# mouse at 1 x (window_test.sh), the reset box and the keyboard alone with the
# message history (keys_test.sh), fast-forward and the panels around the game
# (comforts_test.sh), the gamepad alone (gamepad_test.sh), and the window
# doubled on a large screen and fullscreen (scaled_test.sh). Each starts its
# own X server with the screen it needs.
# usage: real_window_test.sh BUILD_DIR TOOLS_DIR KEYS_FILE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
echo "== the mouse"
bash "$here/window_test.sh" "$1" "$2"
echo "== the reset box, the keyboard and the message history"
bash "$here/keys_test.sh" "$1" "$2" "$3"
echo "== fast-forward, help, preferences and screenshots"
bash "$here/comforts_test.sh" "$1" "$2" "$3"
echo "== the gamepad"
bash "$here/gamepad_test.sh" "$1" "$2" "$3"
echo "== scaled and fullscreen"
bash "$here/scaled_test.sh" "$1" "$2"
