#!/usr/bin/env bash
# The one-shot pick beside a bare full-screen Qt window at 1920 x 1080 and 3840 x 2160, each on
# a private Xvfb without a window manager, with the loupe's step over the copy the server holds,
# then the loupe's repaint per pointer move over a picture:
# bench/pick_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
cmake --build "$build" -j2 --target huebit huebit_bare_window huebit_pick_bench \
    huebit_pick_loupe_bench >/dev/null
for size in 1920x1080 3840x2160; do
    work=$(mktemp -d)
    exec 3> >(cat > "$work/display")
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    # The pick's settings file and socket stay in the scratch folder.
    cp "$build/src/huebit" "$work/huebit"
    DISPLAY=":$(head -1 "$work/display")" XDG_RUNTIME_DIR="$work" \
        "$build/bench/huebit_pick_bench" "$work/huebit" "$build/bench/huebit_bare_window" "$runs"
    DISPLAY=":$(head -1 "$work/display")" "$build/bench/huebit_pick_loupe_bench" --x11
    kill $xvfb 2>/dev/null
    wait $xvfb 2>/dev/null || true
    rm -rf "$work"
done
"$build/bench/huebit_pick_loupe_bench"
