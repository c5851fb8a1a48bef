#!/usr/bin/env bash
# Huebit's start beside a bare Qt window, under one private 1920 x 1080 Xvfb without a window
# manager, interleaved in one run: bench/startup_compare.sh [BUILD_DIR] [RUNS]
# Huebit starts with a full settings file beside it (every line in use). Both run on a session bus
# of their own, as on a desktop; NO_SESSION_BUS=1 leaves the bus to the environment instead
# (without one, D-Bus may fork each program to look for a launcher).
set -euo pipefail
build=${1:-build}
runs=${2:-7}
cmake --build "$build" -j2 --target huebit huebit_bare_window huebit_startup_compare \
    huebit_settings_bench >/dev/null
work=$(mktemp -d)
exec 3> >(cat > "$work/display")
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
bus=
trap 'kill $xvfb $bus 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ "${NO_SESSION_BUS:-0}" != 1 ]; then
    exec 4> >(cat > "$work/bus")
    dbus-daemon --nofork --print-address=4 \
        --config-file="$(dirname "$0")/../tests/e2e/private_bus.conf" >/dev/null 2>&1 &
    bus=$!
    for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
    echo "session bus: $DBUS_SESSION_BUS_ADDRESS"
fi
"$build/bench/huebit_settings_bench" --full-file "$work/Huebit.cnf"
DISPLAY=":$(head -1 "$work/display")" "$build/bench/huebit_startup_compare" \
    "$build/src/huebit" "$build/bench/huebit_bare_window" "$work/Huebit.cnf" "$runs"
