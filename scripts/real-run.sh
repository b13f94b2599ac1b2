#!/bin/bash
# Velmora.exe left running under Wine for SECONDS (default 600): its GDI and
# USER objects and private bytes soon after the start and at the end, and
# the CPU time it used (from the Wine process's /proc entry). Then it is
# closed as the user would.
# Usage: scripts/real-run.sh [BUILD_DIR] [SECONDS]   (after cmake --preset windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
seconds=${2:-600}
cmake --build "$build" --target Velmora run_probe >/dev/null

# Uses the running session (scripts/wine-session.sh start) or one of its own.
own_session=
if [ -z "${DISPLAY:-}" ] && [ ! -s "$build/display" ]; then
    "$here/wine-session.sh" start "$build"
    own_session=1
fi
. "$here/wine-env.sh" "$build"

# The clock writes its ".ini" next to itself: a copy in a scratch folder.
scratch=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
    if [ -n "$own_session" ]; then "$here/wine-session.sh" stop "$build"; fi
}
trap cleanup EXIT
cp "$build/ui/Velmora.exe" "$scratch/"
probe() { wine "$build/bench/run_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# utime + stime of a Linux process, in seconds.
linux_cpu() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$1/stat"; }

# wine execs into the Windows process: $! is the clock's own Linux process.
wine "$scratch/Velmora.exe" >/dev/null 2>&1 </dev/null &
pid=$!
clock=$(probe find 30)
start=$(probe sample "$clock")
start_cpu=$(linux_cpu "$pid")
sleep "$seconds"
end=$(probe sample "$clock")
end_cpu=$(linux_cpu "$pid")
closed=$(probe close "$clock")
wait "$pid" || true
pid=
echo "== Velmora.exe left alone for ${seconds}s under $(wine --version)"
echo "start: $start cpu_s=$start_cpu"
echo "end:   $end cpu_s=$end_cpu"
echo "close: $closed"
