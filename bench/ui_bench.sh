#!/bin/bash
# Velmora.exe against a minimal Win32 window under Wine: time to the first
# shown window and peak working set over STARTS starts of each, taken in
# turns so that the machine's load falls on both alike; CPU time (start-up
# included) of STARTS runs of each left alone for about SECONDS, all running
# at once, started a second apart; then one run of each in which the lag
# between each second boundary and the change of the time label is polled
# through WM_GETTEXT every millisecond for SECONDS. Prints min, median and
# max of each figure over the runs, and the ratios of the medians.
# Usage: bench/ui_bench.sh [SECONDS [STARTS [VELMORA_EXE]]]   (after cmake
# --preset windows; defaults 60, 20 and the built Velmora.exe: another build's
# executable compares it with the minimal window in the same machine state).
# VELMORA_BENCH_INI names a settings file to start every Velmora copy with
# (bench/all_desktop_options.ini: every desktop option on).
# Needs a display: run inside scripts/wine-session.sh start build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/windows
seconds=${1:-60}
starts=${2:-20}
velmora=$(realpath "${3:-$build/ui/Velmora.exe}")
. scripts/wine-env.sh "$build"
cmake --build "$build" --target Velmora ui_probe minimal_window >/dev/null

# The clock writes its ".ini" next to itself: run a copy in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$velmora" "$scratch/Velmora.exe"
ini=${VELMORA_BENCH_INI:+$(realpath "$VELMORA_BENCH_INI")}
[ -z "$ini" ] || cp "$ini" "$scratch/Velmora.ini"
cp "$build/bench/minimal_window.exe" "$scratch/"
probe=$build/bench/ui_probe.exe

names=(Velmora minimal_window)
# Velmora's second clock label; the minimal window's only label is a STATIC.
classes=(VelmoraClockLabel STATIC)
indexes=(1 0)
programs=("$scratch/Velmora.exe" "$scratch/minimal_window.exe")

# probe_run LAG_SECONDS WHICH
probe_run() {
    local which=$2 exe=${programs[$2]}
    wine "$probe" "$1" "${classes[$which]}" "${indexes[$which]}" "Z:${exe//\//\\}" \
        2>/dev/null | tr -d '\r'
}

# One figure ("name=value") out of probe lines on standard input.
figure() {
    sed -nE "s/.*(^| )$1=([0-9.]+).*/\2/p"
}

# min median max of numbers on standard input.
spread() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "- - -"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%g %g %g\n", v[1], m, v[NR] }'
}

median() {
    spread | awk '{ print $2 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'
}

echo "== $starts starts each in turns, $starts runs each of ${seconds}s at once, then a" \
    "${seconds}s lag run each, under $(wine --version)"
echo "   load before: $(cut -d' ' -f1-3 /proc/loadavg)"

# One start of each to warm Wine's caches for the new copies.
for which in 0 1; do
    probe_run 0 "$which" >/dev/null
done
declare -a lines=("" "")
for _ in $(seq "$starts"); do
    for which in 0 1; do
        lines[which]+="$(probe_run 0 "$which")"$'\n'
    done
done

# CPU time comes from Linux's own count for the program's process: Wine's
# GetProcessTimes of another process misses most of it. Left alone, a clock
# costs little CPU time against the noise of a shared machine: many runs
# side by side give a median. Their starts are spread so that they do not
# compete with one another; each copy has a folder of its own, by which its
# process is found. Wake-ups are the voluntary context switches of all its
# threads after the first two seconds, per second.
ticks_per_second=$(getconf CLK_TCK)
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}
idle_run() {
    local which=$1 folder=$scratch/idle/$2-$1 pid=""
    mkdir -p "$folder"
    cp "${programs[which]}" "$folder/"
    [ "$which" != 0 ] || [ -z "$ini" ] || cp "$ini" "$folder/Velmora.ini"
    local exe=$folder/$(basename "${programs[which]}")
    wine "$exe" >/dev/null 2>&1 &
    for _ in $(seq 50); do
        sleep 0.1
        pid=$(pgrep -f "^$exe" | head -1) && break
    done
    [ -n "$pid" ] || return 0
    sleep 2
    local before
    before=$(switches "$pid")
    sleep "$((seconds > 2 ? seconds - 2 : 1))"
    # Fields 14 and 15 of /proc/PID/stat: user and system time in ticks.
    awk -v hz="$ticks_per_second" -v woken="$(($(switches "$pid") - before))" \
        -v span="$((seconds > 2 ? seconds - 2 : 1))" \
        '{ printf "cpu_s=%.3f wakeups_per_s=%.2f\n", ($14 + $15) / hz, woken / span }' \
        "/proc/$pid/stat" >>"${idles[which]}"
    kill "$pid"
}
idles=("$scratch/idle0.txt" "$scratch/idle1.txt")
for run in $(seq "$starts"); do
    for which in 0 1; do
        idle_run "$which" "$run" &
    done
    sleep 1
done
wait

# The lag runs one after the other: side by side, the two windows overlap
# and each probe's polling costs the other program CPU time.
longs=("$scratch/long0.txt" "$scratch/long1.txt")
for which in 0 1; do
    probe_run "$seconds" "$which" >"${longs[which]}"
done

declare -a first_median ws_median cpu_median wake_median
printf '%-15s %-26s %-26s %-20s %-20s %-8s %s\n' program "first_window_ms min/med/max" \
    "peak_ws_kb min/med/max" "cpu_s min/med/max" "wakeups/s min/med/max" peak_ws \
    "lag_ms p50/p99/max (changes)"
for which in 0 1; do
    first=$(figure first_window_ms <<<"${lines[which]}" | spread)
    ws=$(figure peak_working_set_kb <<<"${lines[which]}" | spread)
    cpu=$(figure cpu_s <"${idles[which]}" | spread)
    first_median[which]=$(figure first_window_ms <<<"${lines[which]}" | median)
    ws_median[which]=$(figure peak_working_set_kb <<<"${lines[which]}" | median)
    cpu_median[which]=$(figure cpu_s <"${idles[which]}" | median)
    wake=$(figure wakeups_per_s <"${idles[which]}" | spread)
    wake_median[which]=$(figure wakeups_per_s <"${idles[which]}" | median)
    long=$(cat "${longs[which]}")
    longws[which]=$(figure peak_working_set_kb <<<"$long")
    printf '%-15s %-26s %-26s %-20s %-20s %-8s %s/%s/%s (%s)\n' "${names[which]}" \
        "${first// //}" "${ws// //}" "${cpu// //}" "${wake// //}" "${longws[which]:--}" \
        "$(figure lag_p50_ms <<<"$long")" \
        "$(figure lag_p99_ms <<<"$long")" "$(figure lag_max_ms <<<"$long")" \
        "$(figure changes <<<"$long")"
done
printf '%-15s %-26s %-26s %-20s %-20s %s\n' "ratio" \
    "$(ratio "${first_median[0]}" "${first_median[1]}")" \
    "$(ratio "${ws_median[0]}" "${ws_median[1]}")" \
    "$(ratio "${cpu_median[0]:-0}" "${cpu_median[1]:-0}")" \
    "$(ratio "${wake_median[0]:-0}" "${wake_median[1]:-0}")" \
    "$(ratio "${longws[0]:-0}" "${longws[1]:-0}")"
echo "   load after: $(cut -d' ' -f1-3 /proc/loadavg)"
