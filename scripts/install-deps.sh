#!/usr/bin/env bash
# Installs the Debian packages Huebit needs.
#   install-deps.sh        everything: building and running the program, and its tests,
#                          benchmarks, fuzz targets and package checks (make test)
#   install-deps.sh --run  only what building and running the program needs (make run)
# Quiet and quick when everything is already there; apt-get runs only for what is missing.
set -euo pipefail

# Building the program, and what it loads at run time (Qt's X11 plugin, Qt's own Russian texts).
run_packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
    libjpeg62-turbo-dev libxcb1-dev libxcb-shm0-dev
)
# The tests and what they drive, the benchmarks, clang for the fuzz targets, the package checks.
test_packages=(
    libx11-xcb-dev libxcb-res0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    gimp-data
    xvfb xauth x11-utils xdotool xclip imagemagick fonts-dejavu-core
    dpkg-dev desktop-file-utils appstream lintian
    clang-14 libclang-rt-14-dev llvm-14
    x11-xserver-utils dbus-daemon dbus-bin python3-dbus python3-gi python3-pyatspi at-spi2-core
    trayer
)

case "${1:-}" in
--run) packages=("${run_packages[@]}") ;;
"") packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 [--run]" >&2
    exit 2
    ;;
esac

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
