#!/bin/bash
# Draws the application icon, two clock faces side by side on a rounded
# tile, and packs it at every size Windows asks for into ui/velmora.ico.
# Needs ImageMagick. Usage: scripts/make-icon.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One face: centre (cx, cy), radius r, hour and minute hand angles in degrees
# (0 = twelve o'clock, clockwise).
face() {
    local cx=$1 cy=$2 r=$3 hour=$4 minute=$5 rim=$6
    local hx hy mx my
    hx=$(awk -v c="$cx" -v r="$r" -v a="$hour" 'BEGIN { printf "%.1f", c + 0.50 * r * sin(a * 3.14159265 / 180) }')
    hy=$(awk -v c="$cy" -v r="$r" -v a="$hour" 'BEGIN { printf "%.1f", c - 0.50 * r * cos(a * 3.14159265 / 180) }')
    mx=$(awk -v c="$cx" -v r="$r" -v a="$minute" 'BEGIN { printf "%.1f", c + 0.78 * r * sin(a * 3.14159265 / 180) }')
    my=$(awk -v c="$cy" -v r="$r" -v a="$minute" 'BEGIN { printf "%.1f", c - 0.78 * r * cos(a * 3.14159265 / 180) }')
    printf -- "-fill white -stroke %s -strokewidth 10 -draw 'circle %s,%s %s,%s' " \
        "$rim" "$cx" "$cy" "$cx" "$((cy - r))"
    printf -- "-stroke '#1d2b44' -strokewidth 12 -draw 'line %s,%s %s,%s' " "$cx" "$cy" "$hx" "$hy"
    printf -- "-stroke '#1d2b44' -strokewidth 7 -draw 'line %s,%s %s,%s' " "$cx" "$cy" "$mx" "$my"
    printf -- "-stroke none -fill '#d9534f' -draw 'circle %s,%s %s,%s' " "$cx" "$cy" "$cx" "$((cy - 7))"
}

# The master drawing at 256 pixels: a deep blue tile, the left clock at ten
# past ten, the right one, elsewhere in the world, at twenty to four.
master="$work/master.png"
eval convert -size 256x256 xc:none \
    -fill "'#2f5d9e'" -stroke none -draw "'roundrectangle 8,8 247,247 44,44'" \
    "$(face 72 128 52 305 60 "'#f0c419'")" \
    "$(face 184 128 52 112 240 "'#7fd1ae'")" \
    "'$master'"

sizes=(16 24 32 48 64 256)
pngs=()
for size in "${sizes[@]}"; do
    out="$work/icon-$size.png"
    convert "$master" -filter Lanczos -resize "${size}x${size}" -unsharp 0x0.6 -depth 8 -strip "PNG32:$out"
    pngs+=("$out")
done

# Every size is stored as PNG, which Windows reads at any size: a fraction
# of the bitmaps' bytes in the executable. The icon directory's fields are
# little-endian.
bytes_of() { printf "$(printf '\\x%02x' "$@")"; }
le16() { bytes_of $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { bytes_of $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
count=${#sizes[@]}
offset=$((6 + 16 * count))
{
    le16 0; le16 1; le16 "$count"
    for i in "${!sizes[@]}"; do
        side=$((sizes[i] % 256)) # 256 is written as 0
        bytes=$(stat -c %s "${pngs[$i]}")
        bytes_of "$side" "$side" 0 0
        le16 1; le16 32; le32 "$bytes"; le32 "$offset"
        offset=$((offset + bytes))
    done
    cat "${pngs[@]}"
} >"$root/ui/velmora.ico"
identify "$root/ui/velmora.ico"
