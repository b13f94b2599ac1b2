#!/bin/bash
# The installer under Wine: a silent install puts the program and its help
# file in the user's programs folder and registers the uninstaller; the
# installed program starts and closes; a silent uninstall removes the
# program but keeps the user's settings file.
# Usage: installer_test.sh BUILD_DIR INSTALLER
set -euo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
build=$(cd "$1" && pwd)
installer=$2
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

"$here/wine-prefix.sh" "$build"
. "$here/wine-env.sh" "$build"

xvfb=""
cleanup() {
    if [ -n "${clock:-}" ]; then kill "$clock" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    if [ -n "${display_file:-}" ]; then rm -f "$display_file"; fi
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    # The program needs a display of its own when the tests run without one.
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 </dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$display_file")"
fi

fail() {
    echo "FAIL: $*"
    exit 1
}

[ -f "$installer" ] || fail "no installer at $installer"
local_appdata=$(wine cmd /c echo '%LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
target=$(winepath -u "$local_appdata\\Programs\\Velmora" 2>/dev/null)
rm -rf "$target"

echo "== silent install"
# wine returns when the installer has finished.
wine "$installer" /S
[ -f "$target/Velmora.exe" ] || fail "Velmora.exe not installed in $target"
[ -f "$target/Velmora.chm" ] || fail "Velmora.chm not installed"
[ -f "$target/uninstall.exe" ] || fail "no uninstaller"
wine reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "uninstaller not registered under $key"
start_menu=$(winepath -u "$(wine cmd /c echo '%APPDATA%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")
[ -f "$start_menu/Velmora.lnk" ] || fail "no start-menu entry"

echo "== the installed program starts"
(cd "$target" && exec wine ./Velmora.exe) &
clock=$!
window=""
for _ in $(seq 60); do
    window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    kill -0 "$clock" 2>/dev/null || fail "Velmora.exe ended before showing its window"
    sleep 0.5
done
[ -n "$window" ] || fail "no Velmora window within 30 seconds"
# A polite close: the program saves its settings beside itself on the way out.
# Asked again every few seconds: a request that comes while the program is
# still starting may find no main window yet.
for attempt in $(seq 40); do
    [ $((attempt % 8)) -eq 1 ] && { wine taskkill /im Velmora.exe >/dev/null 2>&1 || true; }
    kill -0 "$clock" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$clock" 2>/dev/null && fail "Velmora.exe did not close"
clock=""
[ -f "$target/Velmora.ini" ] || fail "the settings file was not written beside the program"

echo "== silent uninstall"
wine "$target/uninstall.exe" /S
# The uninstaller runs from a temporary copy: wait for it to finish.
for _ in $(seq 60); do
    [ -f "$target/Velmora.exe" ] || [ -f "$target/uninstall.exe" ] || break
    sleep 0.5
done
# Its last step removes the registration.
for _ in $(seq 20); do
    wine reg query "$key" >/dev/null 2>&1 || break
    sleep 0.5
done
[ -f "$target/Velmora.exe" ] && fail "Velmora.exe left behind"
[ -f "$target/Velmora.chm" ] && fail "Velmora.chm left behind"
[ -f "$target/uninstall.exe" ] && fail "uninstall.exe left behind"
[ -f "$start_menu/Velmora.lnk" ] && fail "start-menu entry left behind"
wine reg query "$key" >/dev/null 2>&1 && fail "uninstall key left behind"
[ -f "$target/Velmora.ini" ] || fail "the silent uninstall removed the user's settings file"

rm -rf "$target"
echo "installer test passed"
exit 0
