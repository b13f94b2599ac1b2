#!/bin/bash
# Runs a Windows executable under Wine with the build folder's prefix; ctest
# uses it as the cross-compiling emulator.
# Usage: wine-run.sh BUILD_DIR program.exe [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
shift
"$here/wine-prefix.sh" "$build"
. "$here/wine-env.sh" "$build"
exec wine "$@"
