#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
# A crash or any sanitizer report fails the run; a crashing input is kept in the
# target's corpus as a regression case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/build/fuzz

"$root/scripts/setup.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DQUORVEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null || cmake --build "$build" -j 1

# Belt and braces beside -fno-sanitize-recover=all: a report stops the target, and a
# report in the log fails the run even if the target somehow ended well.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}:halt_on_error=1

status=0
for corpus in "$root"/tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    work=$(mktemp -d)
    cp -r "$corpus". "$work/"
    log=$work.log
    # New inputs go to the scratch copy; the repository keeps only its seeds and regressions.
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" -close_fd_mask=3 "$work" >"$log" 2>&1 &&
        ! grep -qE 'runtime error:|ERROR: [A-Za-z]+Sanitizer' "$log"; then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
        echo "fuzz_$target: $runs executions in ${seconds}s, no crash"
    else
        status=1
        echo "fuzz_$target: FAILED" >&2
        tail -40 "$log" >&2
        for crash in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do
            [[ -e $crash ]] && cp "$crash" "$corpus" && echo "kept $(basename "$crash") in tests/fuzz/corpus/$target/" >&2
        done
    fi
    rm -rf "$work" "$log"
done
exit $status
