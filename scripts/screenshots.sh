#!/usr/bin/env bash
# Retakes the README's screenshots under Xvfb, into docs/screenshots: the main
# window, a setting page, and the Swipe Test where the program has one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$root/build/release" --target quorvel-screenshots

out=$root/docs/screenshots
mkdir -p "$out"
# A free display of its own (-a), a plain style and font so pictures do not depend on the desktop.
unset QT_QPA_PLATFORM
QT_STYLE_OVERRIDE=Fusion xvfb-run -a -s "-screen 0 1280x800x24" \
    "$root/build/release/bin/quorvel-screenshots" "$out"
