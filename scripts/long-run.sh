#!/bin/bash
# The main window's long run in process under Wine: TICKS ticks (default a
# full day, 86,400) of a set clock with automatic font size and resizes; it
# prints the ticks, the GDI and USER objects and the private bytes after the
# first minute, halfway and at the end, and the wall time.
# Usage: scripts/long-run.sh [BUILD_DIR] [TICKS]   (after cmake --build --preset windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
ticks=${2:-86400}

# Uses the running session (scripts/wine-session.sh start) or one of its own.
if [ -z "${DISPLAY:-}" ] && [ ! -s "$build/display" ]; then
    "$here/wine-session.sh" start "$build"
    trap '"$here/wine-session.sh" stop "$build"' EXIT
fi
VELMORA_LONG_RUN_TICKS=$ticks "$here/wine-run.sh" "$build" \
    "$build/tests/win/ui_long_run_win_tests.exe" 2>&1 | tr -d '\r'
