#!/bin/bash
# Creates the build folder's private Wine prefix once: Japanese locale and the
# IPA fonts standing in for the "ＭＳ ゴシック" faces.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"

ready="$WINEPREFIX/.velmora-ready"
[ -f "$ready" ] && exit 0

echo "Creating the Wine prefix in $WINEPREFIX ..."
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w

# regedit wants UTF-16LE with a byte-order mark for non-ASCII value names.
reg="$velmora_build_dir/fonts.reg"
printf '\xff\xfe' >"$reg"
iconv -f UTF-8 -t UTF-16LE >>"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
REG
wine regedit /S "$reg" >/dev/null 2>&1 </dev/null
wineserver -w
touch "$ready"
