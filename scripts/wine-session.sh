#!/bin/bash
# Starts or stops what the Windows tests share: a virtual X display (when
# there is no display) and a persistent wineserver. Both are started
# detached from our standard output, so that a test runner reading a pipe is
# not kept waiting by them.
# Usage: wine-session.sh start|stop BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=$1
build=$(cd "$2" && pwd)
x11_key='HKCU\Software\Wine\X11 Driver'

start_display() {
    rm -f "$build/display"
    if [ -n "${DISPLAY:-}" ]; then
        return
    fi
    # Xvfb picks a free display and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$build/display" \
        >/dev/null 2>&1 </dev/null &
    echo $! >"$build/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$build/display" ] && return
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    exit 1
}

case $action in
start)
    start_display
    "$here/wine-prefix.sh" "$build"
    . "$here/wine-env.sh" "$build"
    wineserver -p >/dev/null 2>&1 </dev/null || true # already running: fine
    # Xvfb has no window manager, and Wine waits up to two seconds for one
    # each time it hides a top-level window it has left to the window
    # manager: on our own display Wine keeps every window to itself (same
    # places and sizes, its own moving and sizing).
    if [ -s "$build/display" ]; then
        wine reg add "$x11_key" /v Managed /d N /f >/dev/null 2>&1 </dev/null
    else
        wine reg delete "$x11_key" /v Managed /f >/dev/null 2>&1 </dev/null || true
    fi
    # Wine's own services start with the first program; start them here,
    # detached, instead of inside the first test.
    wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
    ;;
stop)
    . "$here/wine-env.sh" "$build"
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$build/xvfb.pid" ]; then
        kill "$(cat "$build/xvfb.pid")" 2>/dev/null || true
        rm -f "$build/xvfb.pid" "$build/display"
    fi
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
