#!/bin/bash
# Creates the build folder's private Wine prefix once: Japanese locale, the
# IPA fonts standing in for the "ＭＳ ゴシック" faces, and font links from those
# fonts (under the Japanese names Wine gives them) to fonts for the scripts
# they lack (Arabic, Hebrew, Greek, Latin with accents, Thai, Hangul), as
# Windows links its own fonts; and Wine's "Marlett", which draws the caption
# buttons' symbols (this Wine does not find it where the package puts it, and
# the buttons show "0 1 r").
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"

ready="$WINEPREFIX/.velmora-ready"
linked="$WINEPREFIX/.velmora-font-links"
marlett="$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
[ -f "$ready" ] && [ -f "$linked" ] && [ -f "$marlett" ] && exit 0

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
fallbacks=("DejaVuSans.ttf,DejaVu Sans" "Garuda.ttf,Garuda" "NanumGothic.ttf,NanumGothic")
links=$(multi_sz "${fallbacks[@]}")
# Uniscribe falls back to "Microsoft Sans Serif" for complex scripts; Wine's
# own links for it name Windows fonts, which follow ours.
sans_links=$(multi_sz "${fallbacks[@]}" "MSGOTHIC.TTC,MS UI Gothic" "MINGLIU.TTC,PMingLiU" \
    "SIMSUN.TTC,SimSun" "GULIM.TTC,Gulim" "MALGUN.TTF,Malgun Gothic")

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
"IPAゴシック"=hex(7):$links
"IPA Pゴシック"=hex(7):$links
"IPA明朝"=hex(7):$links
"IPA P明朝"=hex(7):$links
"Microsoft Sans Serif"=hex(7):$sans_links
REG
wine regedit /S "$reg" >/dev/null 2>&1 </dev/null
wineserver -w
cp /usr/share/wine/fonts/marlett.ttf "$marlett"
touch "$ready" "$linked"
