#!/bin/bash
# Runs libFuzzer targets of the fuzz build for a while each and prints their
# figures (executions, coverage). The corpus grows in build/fuzz/corpus.
#   scripts/fuzz.sh SECONDS [TARGET...]   (no target: every target, in turn)
# Example, the long form: scripts/fuzz.sh 600
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if [ ! -d build/fuzz/fuzz ]; then
    cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || exit 1
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for fuzzer in build/fuzz/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] && targets+=("$(basename "$fuzzer")")
    done
fi

status=0
for name in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$name"
    log="build/fuzz/$name.log"
    mkdir -p "$corpus"
    echo "== Fuzzing $name for ${seconds}s"
    if (cd build/fuzz && "fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
            "corpus/$name" >"$name.log" 2>&1); then
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        coverage=$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 |
            sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 edges, \2 features/')
        echo "$name: $executions executions in ${seconds}s, coverage $coverage, corpus $(ls "$corpus" | wc -l) inputs"
    else
        tail -40 "$log"
        status=1
    fi
done
exit $status
