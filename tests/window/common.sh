# Sourced by the scripts that run the game in a real window.

# Runs the calling script again under its own Xvfb with a screen of the given
# size (WxH), unless it already runs under one.
# usage: in_xvfb WxH "$0" "$@"
in_xvfb() {
  local screen=$1
  shift
  if [[ -z "${INSIDE_XVFB:-}" ]]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 ${screen}x24" bash "$@"
  fi
}

# Makes $work, a scratch folder removed on exit (read-only parts too), and
# keeps the game's preferences there, never in those of whoever runs the
# tests; on exit the game ($pid) and a window manager ($wm), if started, are
# stopped.
# usage: scratch_work
scratch_work() {
  work=$(mktemp -d)
  export XDG_CONFIG_HOME=$work/config
  trap 'kill "${pid:-}" "${wm:-}" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT
}

# Waits up to 20 s for the game's ($pid) window to show, and sets wid to it.
# usage: wait_window
wait_window() {
  wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
  [[ -n "$wid" ]] || { echo "no window"; exit 1; }
}

# Makes DIR a folder the game can run from: cg/ and the sounds and music of
# BUILD's dat/, linked; the save goes into DIR/dat.
# usage: game_folder DIR BUILD
game_folder() {
  mkdir -p "$1/dat"
  ln -s "$2/cg" "$1/cg"
  local f
  for f in "$2"/dat/*.wav "$2"/dat/*.mid; do ln -s "$f" "$1/dat/"; done
}

# Closes the game's window as the window manager's close box does and waits
# for the game to end by itself, saving on the way; fails when it does not.
# usage: close_game TOOLS_DIR WINDOW_ID PID
close_game() {
  "$1/close-window" "$2"
  for _ in $(seq 1 50); do
    kill -0 "$3" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$3" 2>/dev/null; then echo "the game did not close"; exit 1; fi
  wait "$3" || { echo "the game failed on closing"; exit 1; }
}

# Plays a file of headless commands as key presses in the focused window: key,
# keydown and keyup (the driver's names) and tick; a frame is about 90 ms.
# usage: play FILE
play() {
  local command arg
  while read -r command arg; do
    case "$arg" in
      enter) arg=Return ;; space) arg=space ;; backspace) arg=BackSpace ;;
      up) arg=Up ;; down) arg=Down ;; left) arg=Left ;; right) arg=Right ;;
      pageup) arg=Prior ;; pagedown) arg=Next ;; esc) arg=Escape ;; ctrl) arg=Control_L ;;
      tab) arg=Tab ;; f1) arg=F1 ;; f12) arg=F12 ;;
    esac
    case "$command" in
      key) xdotool key "$arg"; sleep 0.15 ;;
      keydown) xdotool keydown "$arg"; sleep 0.05 ;;
      keyup) xdotool keyup "$arg"; sleep 0.15 ;;
      tick) sleep "$(awk -v n="$arg" 'BEGIN { print n * 0.09 + 0.2 }')" ;;
    esac
  done < "$1"
}

# Waits (up to 12 s) until the window wid shows the picture: the mean
# difference over the rectangle, if given, falls below the limit. On failure
# the last dump is kept in TOOLS_DIR as NAME_failed.xwd, NAME the script's.
# usage: expect_picture PICTURE LIMIT [LEFT TOP RIGHT BOTTOM], with wid, work
# and tools set
expect_picture() {
  local picture=$1 limit=$2 out diff
  shift 2
  for _ in $(seq 1 60); do
    sleep 0.2
    xwd -id "$wid" -silent > "$work/shot.xwd"
    out=$("$tools/xwd-compare" "$work/shot.xwd" "$picture" "$@" || true)
    diff=$(sed -n 's/^mean difference //p' <<<"$out")
    if [[ -n "$diff" ]] && awk -v d="$diff" -v l="$limit" 'BEGIN { exit !(d < l) }'; then
      echo "shows $(basename "$picture") (mean difference $diff)"
      return 0
    fi
  done
  echo "the window does not show $(basename "$picture"): $out"
  cp "$work/shot.xwd" "$tools/$(basename "$0" _test.sh)_failed.xwd"
  exit 1
}
