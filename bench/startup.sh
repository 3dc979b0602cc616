#!/usr/bin/env bash
# Times the program's start-up against a bare main window, and the tool's
# 'show' against its '--version': alternating runs, medians, ratio, peak memory.
# Usage: bench/startup.sh [RUNS]   (default 20; needs a built tree in build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
bin=$root/build/release/bin

if [[ ! -x $bin/bench_startup || ! -x $bin/quorvel-cli ]]; then
    "$root/scripts/setup.sh"
    cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build/release" --target bench_startup bench_startup_baseline bench_startup_label quorvel-cli
fi

if [[ -z "${DISPLAY:-}" ]]; then
    # A private X server, so the windows are really mapped and painted.
    display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=$display
    sleep 1
fi

# One run: prints "milliseconds peak-KB".
measure() {
    local start end memfile
    memfile=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -o "$memfile" -f '%M' "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(tail -1 "$memfile")"
    rm -f "$memfile"
}

median() { sort -n | awk '{ a[NR] = $1 } END { if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

compare() {
    local title=$1 subject=$2 baseline=$3
    local -a subject_cmd baseline_cmd
    read -r -a subject_cmd <<<"$subject"
    read -r -a baseline_cmd <<<"$baseline"
    local s_file b_file
    s_file=$(mktemp)
    b_file=$(mktemp)
    "${subject_cmd[@]}" >/dev/null 2>&1 || true # warm the caches once
    "${baseline_cmd[@]}" >/dev/null 2>&1 || true
    for ((i = 0; i < runs; i++)); do
        measure "${subject_cmd[@]}" >>"$s_file"
        measure "${baseline_cmd[@]}" >>"$b_file"
    done
    local st bt sm bm
    st=$(cut -d' ' -f1 "$s_file" | median)
    bt=$(cut -d' ' -f1 "$b_file" | median)
    sm=$(cut -d' ' -f2 "$s_file" | median)
    bm=$(cut -d' ' -f2 "$b_file" | median)
    rm -f "$s_file" "$b_file"
    echo "$title ($runs runs each, medians)"
    awk -v st="$st" -v bt="$bt" -v sm="$sm" -v bm="$bm" 'BEGIN {
        printf "  subject   %8.1f ms  %7d KB peak\n", st / 1000, sm
        printf "  baseline  %8.1f ms  %7d KB peak\n", bt / 1000, bm
        printf "  ratio     %8.2f x   %7.2f x memory\n", st / bt, sm / bm
    }'
}

compare "start-up: quorvel vs bare QMainWindow" "$bin/bench_startup" "$bin/bench_startup_baseline"
compare "start-up: quorvel vs a window with one label" "$bin/bench_startup" "$bin/bench_startup_label"
compare "quorvel-cli show vs --version" "$bin/quorvel-cli show" "$bin/quorvel-cli --version"
