#!/bin/bash
# Runs every test: the native tests (plain and with AddressSanitizer and
# UndefinedBehaviorSanitizer), the fuzz targets on their regression inputs,
# the Windows tests under Wine and, at the same time, each fuzz target for a
# while. Ends with one summary line.
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

run_ctest() {
    local preset=$1 log
    log=$(mktemp)
    echo "== Testing ($preset) at ${SECONDS}s"
    ctest --preset "$preset" 2>&1 | tee "$log" | grep -E 'Test +#|tests passed|\*\*\*' || true
    grep -q 'tests failed out of' "$log" || cat "$log"
    count_ctest "$log" "$preset tests"
    rm -f "$log"
}

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

fuzzing=
if build_preset fuzz; then
    echo "== Replaying fuzz/regressions at ${SECONDS}s"
    replay_regressions
    fuzzing=1
fi

windows_built=
build_preset windows && windows_built=1

# The Windows tests mostly wait on Wine; the fuzz targets run meanwhile, at a
# lower priority, in the background (their outcome is read at the end).
fuzz_status=build/fuzz/status
fuzz_log=build/fuzz/test.log
if [ -n "$fuzzing" ]; then
    rm -f "$fuzz_status"
    (
        for fuzzer in build/fuzz/fuzz/*_fuzz; do
            [ -x "$fuzzer" ] || continue
            name=$(basename "$fuzzer")
            if nice -n 10 scripts/fuzz.sh "${VELMORA_FUZZ_SECONDS:-30}" "$name"; then
                echo "passed $name" >>"$fuzz_status"
            else
                echo "failed $name" >>"$fuzz_status"
            fi
        done
    ) >"$fuzz_log" 2>&1 &
    fuzz_job=$!
fi

if [ -n "$windows_built" ]; then
    scripts/wine-session.sh start build/windows
    run_ctest windows
    scripts/wine-session.sh stop build/windows
fi

if [ -n "$fuzzing" ]; then
    wait "$fuzz_job"
    echo "== Fuzzing (ended by ${SECONDS}s)"
    cat "$fuzz_log"
    while read -r outcome name; do
        if [ "$outcome" = passed ]; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            failures+=("$name")
        fi
    done <"$fuzz_status"
fi

echo
[ ${#failures[@]} -gt 0 ] && printf 'Failed: %s\n' "${failures[@]}"
echo "$passed passed, $failed failed in ${SECONDS}s"
[ "$failed" -eq 0 ]
