#!/bin/bash
# Runs the pointer tests under Wine with a shell beside them that carries out
# what they ask of the X display (xdotool, import). A Windows program cannot
# reliably start Unix programs itself (Wine forks the whole process for it), so
# each request is a file in a spool folder: NAME.cmd is run with sh, and its
# exit code appears in NAME.done.
# Usage: pointer_test.sh BUILD_DIR TEST_EXE [arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
shift
. "$here/../../scripts/wine-env.sh" "$build"
spool=$(mktemp -d /tmp/velmora_pointer.XXXXXX)
mkfifo "$spool/.tick"

serve() {
    exec 9<>"$spool/.tick" # read -t on it waits without starting a process
    # Ends with the script, even when the script is killed.
    while kill -0 $$ 2>/dev/null && [ -d "$spool" ]; do
        for request in "$spool"/*.cmd; do
            [ -e "$request" ] || continue
            name=${request%.cmd}
            sh "$request" >/dev/null 2>&1 </dev/null
            echo $? >"$name.part"
            mv "$name.part" "$name.done"
            rm -f "$request"
        done
        read -r -t 0.01 -u 9 || true
    done
}
serve &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$spool"' EXIT

VELMORA_X_SPOOL=$spool "$here/../../scripts/wine-run.sh" "$build" "$@"
