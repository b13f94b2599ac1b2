#!/bin/bash
# Compiles the help pages into a CHM file. The pages are kept in UTF-8; the
# HTML Help viewer of a Japanese system reads them as Shift_JIS (code page
# 932), so they are converted on the way, and "@VELMORA_VERSION_TEXT@" in them
# becomes the version text (V1.7).
# Usage: build-help.sh SOURCE_DIR OUTPUT.chm VERSION_TEXT
set -euo pipefail
source_dir=$(cd "$1" && pwd)
output=$2
version_text=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

for file in "$source_dir"/*.html "$source_dir"/*.hhc "$source_dir"/*.hhp; do
    sed -e 's/charset=UTF-8/charset=Shift_JIS/' -e "s/@VELMORA_VERSION_TEXT@/$version_text/g" "$file" | iconv -f UTF-8 -t CP932 >"$stage/$(basename "$file")"
done
# The index stays UTF-8: chmcmd reads its keywords as UTF-8 when it builds
# the binary index, which holds them as UTF-16.
cp "$source_dir"/*.hhk "$source_dir"/*.css "$stage/"

(cd "$stage" && chmcmd velmora.hhp >chmcmd.log 2>&1) || {
    cat "$stage/chmcmd.log" >&2
    exit 1
}
mkdir -p "$(dirname "$output")"
cp "$stage/Velmora.chm" "$output"
