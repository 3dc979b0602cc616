#!/usr/bin/env bash
# Sets up, builds a release build and starts Quorvel with the shipped Default.mag.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); Quorvel needs one to start." >&2
    exit 1
fi

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release" --target quorvel
exec "$root/build/release/bin/quorvel" "$@"
