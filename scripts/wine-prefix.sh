#!/bin/bash
# Creates the build folder's private Wine prefix once: Japanese locale, the
# IPA fonts standing in for the "ＭＳ ゴシック" faces, and font links from those
# faces to fonts for the scripts they lack (Arabic, Hebrew, Greek, Latin with
# accents, Thai, Hangul), as Windows links its own fonts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"

ready="$WINEPREFIX/.velmora-ready"
linked="$WINEPREFIX/.velmora-font-links"
[ -f "$ready" ] && [ -f "$linked" ] && exit 0

if [ ! -f "$ready" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX ..."
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
fi

# A REG_MULTI_SZ value in .reg notation: UTF-16LE, hex bytes, two NULs at the end.
multi_sz() {
    printf '%s\0' "$@" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
        tr -s ' \n' ',' | sed 's/^,//; s/$/00,00/'
}
links=$(multi_sz "DejaVuSans.ttf,DejaVu Sans" "Garuda.ttf,Garuda" "NanumGothic.ttf,NanumGothic")

# regedit wants UTF-16LE with a byte-order mark for non-ASCII value names.
reg="$velmora_build_dir/fonts.reg"
printf '\xff\xfe' >"$reg"
iconv -f UTF-8 -t UTF-16LE >>"$reg" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"ＭＳ ゴシック"=hex(7):$links
"ＭＳ Ｐゴシック"=hex(7):$links
"ＭＳ 明朝"=hex(7):$links
"ＭＳ Ｐ明朝"=hex(7):$links
"IPAGothic"=hex(7):$links
"IPAPGothic"=hex(7):$links
"IPAMincho"=hex(7):$links
"IPAPMincho"=hex(7):$links
REG
wine regedit /S "$reg" >/dev/null 2>&1 </dev/null
wineserver -w
touch "$ready" "$linked"
