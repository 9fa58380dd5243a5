#!/usr/bin/env bash
# The program's options, before any window: --version, --help, and a wrong
# option, which prints the usage to standard error and exits 2.
# usage: options_test.sh PROGRAM VERSION
set -euo pipefail
program=$1 version=$2
fail() { echo "FAILED: $*" >&2; exit 1; }

[[ "$(env -u DISPLAY "$program" --version)" == "minamori $version" ]] || fail "--version"
help=$(env -u DISPLAY "$program" --help) || fail "--help exited $?"
[[ "$help" == usage:* ]] || fail "--help printed: $help"
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
set +e
out=$(env -u DISPLAY "$program" --no-such-option 2>"$errors")
code=$?
set -e
err=$(cat "$errors")
((code == 2)) || fail "a wrong option exited $code"
[[ -z "$out" ]] || fail "a wrong option printed to standard output: $out"
[[ "$err" == *"unknown option: --no-such-option"*usage:* ]] || fail "a wrong option said: $err"
echo ok
