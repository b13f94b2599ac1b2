#!/bin/bash
# Makes small deliberate faults in engine/ and settings/ one at a time,
# rebuilds the native tests, runs them and reports the faults no test caught.
#   scripts/fault-check.sh [FAULT_LIST] [NAME...]   (default list: scripts/faults.tsv)
# A fault list has one fault a line, four fields separated by tabs: a short
# name, the source file, its exact original text (found exactly once) and
# the replacement. Lines starting with "#" and empty lines are skipped.
# Every file is put back as it was, whatever happens; the native build is
# left built from the restored sources.
set -uo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."

list=${1:-scripts/faults.tsv}
shift || true
only=("$@")
test_program=build/native/tests/native/velmora_native_tests
scratch=$(mktemp -d)
touched=""

restore() {
    if [ -n "$touched" ]; then
        # A new modification time, so that the build compiles it again.
        cat "$scratch/original" >"$touched"
        touched=""
    fi
}
finish() {
    restore
    rm -rf "$scratch"
}
trap finish EXIT
trap 'exit 130' INT TERM

build() {
    cmake --build --preset native -j2 --target velmora_native_tests >"$scratch/build.log" 2>&1
}
tests_pass() {
    timeout 300 "$test_program" --gtest_brief=1 >"$scratch/test.log" 2>&1
}

# Replaces the one occurrence of $2 in file $1 by $3; 1: not found, 2: found twice.
replace_once() {
    local text after
    text=$(cat "$1" && printf .)
    text=${text%.}
    after=${text#*"$2"}
    [ "$after" != "$text" ] || return 1
    [ "${after#*"$2"}" = "$after" ] || return 2
    printf '%s' "${text%%"$2"*}$3$after" >"$1"
}

wanted() {
    [ ${#only[@]} -eq 0 ] && return 0
    local name
    for name in "${only[@]}"; do
        [ "$name" = "$1" ] && return 0
    done
    return 1
}

[ -d build/native ] || cmake --preset native >/dev/null || exit 1
if ! build || ! tests_pass; then
    echo "the native tests do not pass without faults; see:" >&2
    cat "$scratch/build.log" "$scratch/test.log" >&2
    exit 1
fi

total=0
caught=0
survivors=()
broken=()
while IFS=$'\t' read -r name file original replacement; do
    case "$name" in "" | "#"*) continue ;; esac
    wanted "$name" || continue
    if [ ! -f "$file" ]; then
        broken+=("$name (no file $file)")
        continue
    fi
    cp "$file" "$scratch/original"
    touched=$file
    replace_once "$file" "$original" "$replacement"
    case $? in
    1) broken+=("$name (text not found)"); restore; continue ;;
    2) broken+=("$name (text found more than once)"); restore; continue ;;
    esac
    if ! build; then
        broken+=("$name (does not build)")
        restore
        continue
    fi
    total=$((total + 1))
    if tests_pass; then
        survivors+=("$name")
        echo "survived  $name"
    else
        caught=$((caught + 1))
        echo "caught    $name"
    fi
    restore
done <"$list"

build || echo "warning: the restored sources do not build" >&2
echo "caught $caught of $total"
for name in "${survivors[@]}"; do echo "  survived: $name"; done
for name in "${broken[@]}"; do echo "  not applied: $name"; done
[ ${#broken[@]} -eq 0 ] && [ ${#survivors[@]} -eq 0 ]
