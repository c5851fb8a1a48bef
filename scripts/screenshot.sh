#!/usr/bin/env bash
# Starts Huebit under a private Xvfb, waits for it to settle and saves a screenshot of its
# window: scripts/screenshot.sh OUT.png [BINARY]
# CLICKS="x,y x,y" clicks those window points (left button) before the picture is taken.
set -euo pipefail
out=${1:?output png}
bin=${2:-build/src/huebit}
dir=$(mktemp -d)
cp "$bin" "$dir/huebit"
exec 3> "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$dir/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$dir/display")"
(cd "$dir" && ./huebit >/dev/null 2>&1) &
app=$!
sleep "${SETTLE:-2}"
for at in ${CLICKS:-}; do
    xdotool mousemove "${at%,*}" "${at#*,}" click 1
    sleep 0.4
done
import -window root -crop 404x507+0+0 "$out"
kill "$app" "$xvfb" 2>/dev/null || true
rm -rf "$dir"
