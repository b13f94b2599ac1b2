# Environment for running Velmora under Wine with a build folder's own prefix.
# Source it with the build folder as argument: . scripts/wine-env.sh build/windows
velmora_build_dir=$(cd "$1" && pwd)
export WINEPREFIX="$velmora_build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts (the clock needs neither), and no Linux
# desktop menu entries made from the shortcuts the tests create.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# A Japanese PC: thread locale 1041 and code page 932.
export LC_ALL=ja_JP.UTF-8
if [ -z "${DISPLAY:-}" ] && [ -s "$velmora_build_dir/display" ]; then
    DISPLAY=":$(cat "$velmora_build_dir/display")"
    export DISPLAY
fi
