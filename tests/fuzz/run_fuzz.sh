#!/usr/bin/env bash
# Runs one fuzz target of the sanitized build for a while.
# usage: run_fuzz.sh [--fresh] BUILD_DIR TARGET SECONDS [libFuzzer options...]
#   TARGET    save_file (the save-file reader) or script (script lines clicked through)
#   SECONDS   how long to fuzz
#   --fresh   forget the corpus grown by earlier runs (make test's short runs)
# The target is BUILD_DIR/sanitized/fuzz-TARGET. It starts from the checked-in
# seeds (tests/fuzz/corpus/TARGET) and the corpus grown by earlier runs
# (BUILD_DIR/fuzz/TARGET/corpus), where it adds what it finds; a crashing input
# is written to BUILD_DIR/fuzz/TARGET/ and ends the run with a failure. Replay
# one with: BUILD_DIR/sanitized/fuzz-TARGET FILE
set -euo pipefail

fresh=0
if [[ "${1:-}" == "--fresh" ]]; then fresh=1; shift; fi
if (($# < 3)); then
  sed -n '2,13p' "$0" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
target=$2
seconds=$3
shift 3

here=$(cd "$(dirname "$0")" && pwd)
fuzzer="$build/sanitized/fuzz-${target//_/-}"
seeds="$here/corpus/$target"
work="$build/fuzz/$target"
[[ -x "$fuzzer" && -d "$seeds" ]] || { echo "run_fuzz.sh: no fuzz target $target in $build" >&2; exit 2; }

options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$work/")
[[ -f "$here/$target.dict" ]] && options+=(-dict="$here/$target.dict")

if ((fresh)); then rm -rf "$work/corpus"; fi
mkdir -p "$work/corpus"
status=0
"$fuzzer" "${options[@]}" "$@" "$work/corpus" "$seeds" || status=$?
if ((status != 0)); then
  echo "run_fuzz.sh: fuzz-$target failed (status $status); its input is among:" >&2
  ls -t "$work" | grep -E '^(crash|leak|timeout|oom)-' | sed "s|^|  $work/|" >&2 || true
fi
exit "$status"
