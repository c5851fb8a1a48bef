#!/usr/bin/env bash
# Usage: lintian_check.sh CPACK BUILD_DIR LINTIAN
# Packs the Debian package from a finished build into a scratch folder and runs lintian on it;
# any error or warning fails, and every tag is printed.
set -euo pipefail
cpack=$1 build=$2 lintian=$3

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! (cd "$build" && "$cpack" -G DEB -B "$out") >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
packages=("$out"/huebit_*.deb)
[ -f "${packages[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
"$lintian" --fail-on error,warning --tag-display-limit 0 "${packages[@]}"
echo "lintian: no error and no warning in $(basename "${packages[0]}")"
