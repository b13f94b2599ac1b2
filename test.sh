#!/bin/bash
# Runs every test: the native tests (plain and with AddressSanitizer and
# UndefinedBehaviorSanitizer), each fuzz target for a while, then the Windows
# tests under Wine. Ends with one summary line.
# VELMORA_FUZZ_SECONDS sets the fuzzing time per target (default 60).
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-packages.sh || exit 1

passed=0
failed=0
failures=()

# Adds the counts of ctest's closing line ("N% tests passed, F tests failed out of T").
count_ctest() {
    local log=$1 name=$2 line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        failures+=("$name (no test ran)")
        return
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -gt 0 ] && failures+=("$name")
}

build_preset() {
    echo "== Building ($1)"
    mkdir -p build
    cmake --preset "$1" >"build/$1.log" 2>&1 && cmake --build --preset "$1" >>"build/$1.log" 2>&1
    local rc=$?
    if [ $rc -ne 0 ]; then
        tail -40 "build/$1.log"
        failed=$((failed + 1))
        failures+=("build $1")
    fi
    rm -f "build/$1.log"
    return $rc
}

run_ctest() {
    local preset=$1 log
    log=$(mktemp)
    echo "== Testing ($preset)"
    ctest --preset "$preset" 2>&1 | tee "$log" | grep -E 'Test +#|tests passed|\*\*\*' || true
    grep -q 'tests failed out of' "$log" || cat "$log"
    count_ctest "$log" "$preset tests"
    rm -f "$log"
}

for preset in native sanitize; do
    build_preset "$preset" && run_ctest "$preset"
done

if build_preset fuzz; then
    for fuzzer in build/fuzz/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        if scripts/fuzz.sh "${VELMORA_FUZZ_SECONDS:-60}" "$name"; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            failures+=("$name")
        fi
    done
fi

if build_preset windows; then
    scripts/wine-session.sh start build/windows
    run_ctest windows
    scripts/wine-session.sh stop build/windows
fi

echo
[ ${#failures[@]} -gt 0 ] && printf 'Failed: %s\n' "${failures[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
