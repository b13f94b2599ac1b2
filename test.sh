#!/bin/bash
# Runs every test: the Windows tests under Wine and, while they run (they
# mostly wait on Wine), the native tests (plain and with AddressSanitizer and
# UndefinedBehaviorSanitizer), the fuzz targets on their regression inputs
# and each fuzz target for a while. Ends with one summary line.
# VELMORA_FUZZ_SECONDS sets the fuzzing time per target (default 30;
# scripts/fuzz.sh makes longer runs).
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
    echo "== Building ($1) at ${SECONDS}s"
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

# Shows the outcome of a ctest run from its log and counts it.
show_ctest() {
    local log=$1 preset=$2
    grep -E 'Test +#|tests passed|\*\*\*' "$log" || true
    grep -q 'tests failed out of' "$log" || cat "$log"
    count_ctest "$log" "$preset tests"
}

run_ctest() {
    local preset=$1 log=build/$1.ctest.log
    echo "== Testing ($preset) at ${SECONDS}s"
    ctest --preset "$preset" >"$log" 2>&1
    show_ctest "$log" "$preset"
}

# The Windows tests first, in the background: they mostly wait on Wine.
windows_job=
if build_preset windows; then
    echo "== Testing (windows) from ${SECONDS}s, in the background"
    (
        scripts/wine-session.sh start build/windows
        ctest --preset windows
        scripts/wine-session.sh stop build/windows
    ) >build/windows.ctest.log 2>&1 &
    windows_job=$!
fi

for preset in native sanitize; do
    build_preset "$preset" && run_ctest "$preset"
done

# Every input that once made a fuzz target fail, through every target.
replay_regressions() {
    local fuzzer name
    for fuzzer in build/fuzz/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        if "$fuzzer" fuzz/regressions/* >"build/fuzz/$name.replay.log" 2>&1; then
            passed=$((passed + 1))
        else
            tail -40 "build/fuzz/$name.replay.log"
            failed=$((failed + 1))
            failures+=("$name on fuzz/regressions")
        fi
    done
}

# Each fuzz target for a while, two at a time (one a core), below the
# Windows tests' priority.
fuzz_all() {
    local fuzzer name jobs=() names=() i
    for fuzzer in build/fuzz/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        nice -n 10 scripts/fuzz.sh "${VELMORA_FUZZ_SECONDS:-30}" "$name" >"build/fuzz/$name.out" 2>&1 &
        jobs+=($!)
        names+=("$name")
        [ ${#jobs[@]} -lt 2 ] && continue
        collect_fuzz
    done
    collect_fuzz
}

collect_fuzz() {
    for i in "${!jobs[@]}"; do
        if wait "${jobs[$i]}"; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            failures+=("${names[$i]}")
        fi
        cat "build/fuzz/${names[$i]}.out"
    done
    jobs=()
    names=()
}

if build_preset fuzz; then
    echo "== Replaying fuzz/regressions at ${SECONDS}s"
    replay_regressions
    echo "== Fuzzing at ${SECONDS}s"
    fuzz_all
fi

if [ -n "$windows_job" ]; then
    wait "$windows_job"
    echo "== Windows tests (ended by ${SECONDS}s)"
    show_ctest build/windows.ctest.log windows
fi

echo
[ ${#failures[@]} -gt 0 ] && printf 'Failed: %s\n' "${failures[@]}"
echo "$passed passed, $failed failed in ${SECONDS}s"
[ "$failed" -eq 0 ]
