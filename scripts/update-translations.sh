#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources: new texts come in unfinished,
# texts gone from the code are dropped. Translate the new ones (Qt Linguist, or
# by hand), then the translations test passes again. The build never runs this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
cd "$root"
mapfile -t folders <translations/folders
"$lupdate" -locations none -no-obsolete -no-ui-lines -I src "${folders[@]}" -ts translations/quorvel_*.ts
