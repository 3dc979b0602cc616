#!/usr/bin/env bash
# Installs what building and testing Quorvel needs on Debian 12; nothing when all is there.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libhidapi-dev
          libgl-dev clang libclang-rt-14-dev libbenchmark-dev dpkg-dev desktop-file-utils
          appstream xvfb xauth time fonts-dejavu-core ccache lintian shared-mime-info xdg-utils
          libglib2.0-bin libfile-mimeinfo-perl qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          librsvg2-bin libxkbcommon-dev xkb-data libx11-data libx11-dev libxtst-dev
          bash-completion zsh fish)
if [[ -n "${QUORVEL_EXTRA_PACKAGES:-}" ]]; then
    read -r -a extra <<<"$QUORVEL_EXTRA_PACKAGES"
    packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
