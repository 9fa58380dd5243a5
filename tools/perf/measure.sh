#!/usr/bin/env bash
# Measures the desktop game under Xvfb: start-up time to a visible window, CPU
# use while it sits at the main menu, and peak memory.
# usage: tools/perf/measure.sh [BUILD_DIR] [IDLE_SECONDS]
set -euo pipefail
shopt -s nullglob
build=$(cd "${1:-build}" && pwd)
idle=${2:-30}

if [[ -z "${INSIDE_XVFB:-}" ]]; then
  export INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build" "$idle"
fi

work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/minamori" "$work/"
ln -s "$build/cg" "$work/cg"
mkdir "$work/dat"
for f in "$build"/dat/*.wav "$build"/dat/*.mid; do ln -s "$f" "$work/dat/"; done

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Start-up: from the start of the process to its window being mapped, polled
# every 5 ms (xdotool's own --sync waits half a second between looks).
start=$(date +%s%N)
SDL_AUDIODRIVER=dummy "$work/minamori" &
pid=$!
wid=
for _ in $(seq 1 4000); do
  wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  [[ -n "$wid" ]] && break
  sleep 0.005
done
visible=$(date +%s%N)
[[ -n "$wid" ]] || { echo "the window never showed" >&2; exit 1; }
echo "start-up to a visible window: $(( (visible - start) / 1000000 )) ms"

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.15; }
sleep 1                                         # the title picture comes up
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
# SHOT=FILE.xwd keeps the picture the idle time was measured on.
if [[ -n "${SHOT:-}" ]]; then xwd -silent -id "$wid" -out "$SHOT"; fi
