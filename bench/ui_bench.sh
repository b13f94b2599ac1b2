#!/bin/bash
# Velmora.exe against a minimal Win32 window under Wine: time to the first
# shown window, CPU time over SECONDS left alone, peak working set, and over
# another SECONDS the lag between each second boundary and the change of the
# time label (polled through WM_GETTEXT every millisecond).
# Usage: bench/ui_bench.sh [SECONDS]   (after cmake --preset windows)
# Needs a display: run inside scripts/wine-session.sh start build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/windows
seconds=${1:-60}
. scripts/wine-env.sh "$build"
cmake --build "$build" --target Velmora ui_probe minimal_window >/dev/null

# The clock writes its ".ini" next to itself: run a copy in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$build/ui/Velmora.exe" "$build/bench/minimal_window.exe" "$scratch/"
probe=$build/bench/ui_probe.exe

probe_run() {
    local duration=$1 class=$2 index=$3 exe=$4
    wine "$probe" "$duration" "$class" "$index" "Z:${exe//\//\\}" 2>/dev/null | tr -d '\r'
}

# Start-up: one run to warm Wine's caches for the new copy, then the median
# of five; then one long run for CPU time, memory and label lag.
run() {
    local name=$1 class=$2 index=$3 exe=$4 starts
    probe_run 0 "$class" "$index" "$exe" >/dev/null
    starts=$(for _ in 1 2 3 4 5; do
        probe_run 0 "$class" "$index" "$exe" | sed -E 's/.*first_window_ms=([0-9.]+).*/\1/'
    done | sort -n | sed -n 3p)
    printf '%-16s median_first_window_ms=%s ' "$name" "$starts"
    probe_run "$seconds" "$class" "$index" "$exe" | sed -E 's/first_window_ms=[0-9.]+ //'
}

echo "== ${seconds}s each, under $(wine --version)"
# Label11 is the second clock label; the minimal window's only label is a STATIC.
run Velmora VelmoraClockLabel 1 "$scratch/Velmora.exe"
run minimal_window STATIC 0 "$scratch/minimal_window.exe"
