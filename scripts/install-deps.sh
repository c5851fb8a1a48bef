#!/usr/bin/env bash
# Installs the Debian packages Huebit needs to build, test and run.
# Quiet and quick when everything is already there; apt-get runs only for what is missing.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins
    libjpeg62-turbo-dev libxcb1-dev libxcb-shm0-dev libxcb-res0-dev libx11-xcb-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    gimp-data
    xvfb xauth x11-utils xdotool xclip imagemagick fonts-dejavu-core
    qt6-translations-l10n dpkg-dev desktop-file-utils appstream
    clang-14 libclang-rt-14-dev llvm-14
    x11-xserver-utils dbus-daemon dbus-bin python3-dbus python3-gi python3-pyatspi at-spi2-core
    trayer
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
