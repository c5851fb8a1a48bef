#!/usr/bin/env bash
# Huebit's start beside a bare Qt window, under one private 1920 x 1080 Xvfb without a window
# manager, interleaved in one run: bench/startup_compare.sh [BUILD_DIR] [RUNS]
# Huebit starts with a full settings file beside it (every line in use). Two cases, one after the
# other, each with its own medians:
#   private   both programs on a session bus of their own with nothing else on it;
#   registry  a standard session bus (dbus-run-session) with the accessibility bus and its
#             registry up, started the way the first GTK program of a GNOME or KDE session starts
#             them. The launcher names its bus on the root window too, and Qt's accessibility
#             bridge joins that bus in both programs.
# AGAINST=path/to/another/huebit puts that build in the bare window's place, with the same file,
# to compare two builds interleaved ("bare Qt" in the figures is then the other build).
# CASES="private" or CASES="registry" runs one of them. NO_SESSION_BUS=1 runs one case on the
# bus the environment names instead (without one, D-Bus may fork each program to look for a
# launcher).
set -euo pipefail
build=${1:-build}
runs=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)

# Inside dbus-run-session: bring up the accessibility bus and its registry, then compare.
if [ "${HUEBIT_COMPARE_STAGE:-}" = registry ]; then
    # As a toolkit's first questions do: the accessibility bus's address from its launcher, which
    # starts the bus, then a property of the registry's root, which starts the registry (through
    # the system's Python, where the distribution keeps its D-Bus module).
    a11y=$(/usr/bin/python3 -c '
import dbus
address = str(dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(
    dbus_interface="org.a11y.Bus"))
dbus.bus.BusConnection(address).get_object(
    "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root").Get(
    "org.a11y.atspi.Accessible", "Name", dbus_interface="org.freedesktop.DBus.Properties")
print(address)')
    echo "session bus: $DBUS_SESSION_BUS_ADDRESS"
    echo "accessibility bus: $a11y"
    exec "$build/bench/huebit_startup_compare" "$build/src/huebit" \
        "${HUEBIT_COMPARE_FLOOR}" "$HUEBIT_COMPARE_SETTINGS" "$runs"
fi

cmake --build "$build" -j2 --target huebit huebit_bare_window huebit_startup_compare \
    huebit_settings_bench >/dev/null
build=$(cd "$build" && pwd)
floor="$build/bench/huebit_bare_window"
if [ -n "${AGAINST:-}" ]; then
    floor=$(realpath "$AGAINST")
    export HUEBIT_COMPARE_BOTH=1
fi
work=$(mktemp -d)
exec 3> >(cat > "$work/display")
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
bus=
holder=
trap 'kill $holder $bus $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
# A client that stays connected, as a desktop's always are: a bare Xvfb resets itself when its
# last client leaves, and would wipe what the accessibility launcher leaves on the root window.
xprop -root -spy >/dev/null 2>&1 &
holder=$!
"$build/bench/huebit_settings_bench" --full-file "$work/Huebit.cnf"
compare() {
    "$build/bench/huebit_startup_compare" "$build/src/huebit" "$floor" "$work/Huebit.cnf" "$runs"
}

if [ "${NO_SESSION_BUS:-0}" = 1 ]; then
    echo "== the environment's session bus: ${DBUS_SESSION_BUS_ADDRESS:-none}"
    compare
    exit
fi
for case in ${CASES:-private registry}; do
    case $case in
    private)
        echo "== private: a session bus of their own, nothing else on it"
        exec 4> >(cat > "$work/bus")
        dbus-daemon --nofork --print-address=4 \
            --config-file="$here/../tests/e2e/private_bus.conf" >/dev/null 2>&1 &
        bus=$!
        for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
        DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus") compare
        kill $bus
        bus=
        ;;
    registry)
        echo "== registry: a standard session bus with the accessibility registry up"
        HUEBIT_COMPARE_STAGE=registry HUEBIT_COMPARE_SETTINGS="$work/Huebit.cnf" \
            HUEBIT_COMPARE_FLOOR="$floor" \
            dbus-run-session -- "$0" "$build" "$runs"
        ;;
    *) echo "unknown case: $case" >&2; exit 2 ;;
    esac
    echo
done
