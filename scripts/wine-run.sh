#!/bin/bash
# Runs a Windows executable under Wine with the build folder's prefix; ctest
# uses it as the cross-compiling emulator.
# Usage: wine-run.sh BUILD_DIR program.exe [arguments...]
# The program's output goes through a file: a Wine helper it starts (the
# desktop process, when the program is the first to need it) inherits the
# output and may outlive it, and a test runner reading a pipe would wait for
# that helper too.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
shift
"$here/wine-prefix.sh" "$build" || exit 1
. "$here/wine-env.sh" "$build"
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1 &
program=$!
# Shown as it comes, and to the end once the program has ended.
tail -n +1 -f --pid="$program" --sleep-interval=0.1 "$output" &
shown=$!
wait "$program"
status=$?
wait "$shown"
exit $status
