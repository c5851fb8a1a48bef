#!/usr/bin/env bash
# Screen capture figures on a private 3840 x 2160 Xvfb, the desktop portal's path through a
# stand-in portal on a private session bus: bench/capture_bench.sh [BUILD_DIR] [benchmark args]
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
coproc portal {
    dbus-run-session --config-file="$here/../tests/e2e/private_bus.conf" -- \
        /usr/bin/python3 "$here/../tests/e2e/fake_portal.py" --image "$work/desktop.png" \
        --dir "$work" --delay-ms 0 2>/dev/null
}
trap 'kill $xvfb 2>/dev/null; exec {portal[1]}>&-; wait; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
read -r ready <&"${portal[0]}"
exec 4<&"${portal[0]}"
cat <&4 >/dev/null & # the portal's reports, one line per request, read so it never blocks
DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb \
    DBUS_SESSION_BUS_ADDRESS="${ready#ready }" HUEBIT_BENCH_PORTAL_IMAGE="$work/desktop.png" \
    "$build/bench/huebit_capture_bench" "${@:2}"
