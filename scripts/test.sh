#!/usr/bin/env bash
# Sets up, then builds and runs the whole suite twice: a normal build and one
# with AddressSanitizer and UndefinedBehaviorSanitizer. GUI tests run offscreen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# ccache makes a rebuild in another checkout of the same tree cheap; paths are
# taken relative to the checkout so the cache is shared between them.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

run_suite() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DQUORVEL_WERROR=ON "${launcher[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== normal build"
run_suite "$root/build/release" -DCMAKE_BUILD_TYPE=Release

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON

echo "== fuzzing, 20 seconds a target"
"$root/scripts/fuzz.sh" 20
