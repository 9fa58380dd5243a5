#!/usr/bin/env bash
# Measures the desktop game under Xvfb: start-up time to a visible window and
# to the first picture, CPU use while it sits at the main menu, and peak memory.
# usage: tools/perf/measure.sh [BUILD_DIR] [IDLE_SECONDS]
#   STARTS=N  how many start-ups to time (default 5)
#   SHOT=FILE.xwd  keeps the picture the idle time was measured on
#   SCREEN=WxH SCALE=K  the X screen's size and the factor the game picks for it
#                  (default 1024x768 and 1; 1920x1080 gives 2)
set -euo pipefail
shopt -s nullglob
build=$(cd "${1:-build}" && pwd)
idle=${2:-30}

if [[ -z "${INSIDE_XVFB:-}" ]]; then
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 ${SCREEN:-1024x768}x24" bash "$0" "$build" "$idle"
fi

work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/minamori" "$work/"
ln -s "$build/cg" "$work/cg"
mkdir "$work/dat"
for f in "$build"/dat/*.wav "$build"/dat/*.mid; do ln -s "$f" "$work/dat/"; done

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

starts=${STARTS:-5}
# Starts the game; sets pid and wid once its window is mapped.
launch() {
  SDL_AUDIODRIVER=dummy MINAMORI_REPORT_STARTUP=1 "$work/minamori" 2> "$work/stderr" &
  pid=$!
  wid=
  for _ in $(seq 1 4000); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
    [[ -n "$wid" ]] && return 0
    sleep 0.005
  done
  echo "the window never showed" >&2
  exit 1
}
# Waits until the game reports its first frame on screen; prints its time in ns.
first_frame() {
  for _ in $(seq 1 2000); do
    at=$(sed -n 's/^minamori: first frame at \([0-9]*\) ns$/\1/p' "$work/stderr")
    [[ -n "$at" ]] && { echo "$at"; return 0; }
    sleep 0.005
  done
  echo "the game never reported its first frame" >&2
  exit 1
}
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Start-up: from the start of the process to its window being mapped (polled
# every 5 ms; xdotool's own --sync looks only every half second) and to its
# first frame on screen (the game's own report of the time it showed it). The
# first start also loads the libraries from disk.
: > "$work/mapped"; : > "$work/frame"
for run in $(seq 1 "$starts"); do
  start=$(date +%s%N)
  launch
  mapped=$(ms_since "$start")
  frame=$(( ($(first_frame) - start) / 1000000 ))
  echo "start $run: window mapped after $mapped ms, first frame after $frame ms"
  echo "$mapped" >> "$work/mapped"; echo "$frame" >> "$work/frame"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -f "$work/dat/my.dat"
done
echo "start-up, median of $starts: window mapped $(median < "$work/mapped") ms," \
     "first frame $(median < "$work/frame") ms"

launch
sleep 1                                         # the title picture comes up
# The window shows the picture enlarged by SCALE (2 on a 1920 x 1080 screen).
scale=${SCALE:-1}
click() { xdotool mousemove --window "$wid" $(($1 * scale)) $(($2 * scale)) click 1; sleep 0.15; }
click 320 240; click 320 240; sleep 1
click 520 385                                   # <イージーMODE>
for _ in $(seq 1 12); do click 100 300; done    # the opening, to the main menu
sleep 2

# CPU time of each thread (the game's own, SDL's audio mixer with the music
# synthesizer, ...) over the idle time.
thread_ticks() {
  for task in /proc/"$pid"/task/*; do
    printf '%s %s\n' "$(tr ' ' '_' < "$task/comm")" "$(awk '{ print $14 + $15 }' "$task/stat")"
  done
}
before=$(cpu_ticks "$pid")
thread_ticks > "$work/threads.before"
sleep "$idle"
after=$(cpu_ticks "$pid")
thread_ticks > "$work/threads.after"
awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$idle" \
  'BEGIN { printf "CPU at the main menu: %.2f %% of one core over %d s\n", 100 * t / hz / s, s }'
awk -v hz="$ticks_per_second" -v s="$idle" '
  NR == FNR { before[$1] += $2; next }
  { after[$1] += $2 }
  END { for (n in after) printf "  thread %s: %.2f %%\n", n, 100 * (after[n] - before[n]) / hz / s }
' "$work/threads.before" "$work/threads.after"
echo "peak memory: $(awk '/VmHWM/ { print $2, $3 }' "/proc/$pid/status")"
if [[ -n "${SHOT:-}" ]]; then xwd -silent -id "$wid" -out "$SHOT"; fi
