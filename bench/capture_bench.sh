#!/usr/bin/env bash
# Screen capture figures on a private 3840 x 2160 Xvfb: bench/capture_bench.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
out=$(mktemp)
exec 3> "$out"
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
DISPLAY=":$(head -1 "$out")" QT_QPA_PLATFORM=xcb "$build/bench/huebit_capture_bench" "${@:2}"
