#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix
    wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick
    fonts-ipafont-gothic fonts-ipafont-mincho locales
    fonts-dejavu-core fonts-tlwg-garuda-ttf fonts-nanum
    fp-utils nsis zip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        "${missing[@]}" >/dev/null
fi

# Wine turns a Unix command line into UTF-16 with the Unix locale's charset:
# the Japanese UTF-8 locale must exist for non-ASCII arguments.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
