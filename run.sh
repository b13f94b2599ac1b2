#!/bin/bash
# Builds Velmora.exe and starts it under Wine with the build's own prefix.
# Without a display it starts a virtual one, saves a screenshot of the clock
# and keeps it running until interrupted (Ctrl+C).
# Arguments are passed to Velmora.exe (an optional settings file).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Velmora

build=build/windows
had_display=${DISPLAY:-}
scripts/wine-session.sh start "$build"
trap 'scripts/wine-session.sh stop "$build"' EXIT
. scripts/wine-env.sh "$build"

wine "$build/ui/Velmora.exe" "$@" &
clock=$!

if [ -z "$had_display" ]; then
    screenshot="$build/screenshot.png"
    sleep 6
    import -display "$DISPLAY" -window root "$screenshot"
    echo "Velmora runs on the virtual display $DISPLAY; screenshot saved to $screenshot"
    echo "Press Ctrl+C to stop it."
fi
wait "$clock"
