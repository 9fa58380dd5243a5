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

start=$(date +%s%N)
SDL_AUDIODRIVER=dummy "$work/minamori" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
visible=$(date +%s%N)
echo "start-up to a visible window: $(( (visible - start) / 1000000 )) ms"

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.15; }
click 320 240; click 320 240; sleep 1
click 520 385                                   # <イージーMODE>
for _ in $(seq 1 12); do click 100 300; done    # the opening, to the main menu
sleep 2

before=$(cpu_ticks "$pid")
sleep "$idle"
after=$(cpu_ticks "$pid")
awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$idle" \
  'BEGIN { printf "CPU at the main menu: %.2f %% of one core over %d s\n", 100 * t / hz / s, s }'
echo "peak memory: $(awk '/VmHWM/ { print $2, $3 }' "/proc/$pid/status")"
