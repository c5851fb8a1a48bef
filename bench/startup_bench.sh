#!/usr/bin/env bash
# Start-up figure under a private Xvfb: bench/startup_bench.sh [BUILD_DIR] [SETTINGS_FILE]
# With a settings file, each run also starts with that file and the two medians are compared.
set -euo pipefail
build=${1:-build}
exec 3> >(cat > /tmp/huebit-bench-display.$$)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f /tmp/huebit-bench-display.$$' EXIT
for _ in $(seq 50); do [ -s /tmp/huebit-bench-display.$$ ] && break; sleep 0.1; done
DISPLAY=":$(head -1 /tmp/huebit-bench-display.$$)" "$build/bench/huebit_startup_bench" "$build/src/huebit" 5 ${2:+"$2"}
