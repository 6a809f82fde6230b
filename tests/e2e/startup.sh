#!/usr/bin/env bash
# The real program on a virtual display: its main window comes up with the start
# title at the design's client size, and closing that window ends the process.
set -euo pipefail
binary=$1
probe=$2

# A display of its own, on the first free number, so parallel or repeated runs never meet.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberfile" 2>/dev/null &
xvfb=$!
pid=""
trap 'kill $pid $xvfb 2>/dev/null || true; rm -f "$numberfile"' EXIT
for _ in $(seq 1 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
[ -s "$numberfile" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$numberfile")"

# A real X window, whatever platform the calling shell asked Qt for.
QT_QPA_PLATFORM=xcb "$binary" &
pid=$!

found=""
for _ in $(seq 1 200); do
    found=$("$probe" find "Pelko-Morvelt (Runde 1)") && break
    sleep 0.1
done
[ -n "$found" ] || { echo "FAIL: no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s" >&2; exit 1; }
read -r window width height <<<"$found"
echo "main window $window: ${width}x${height}"
if [ "$width" != 691 ] || [ "$height" != 429 ]; then
    echo "FAIL: expected a client area of 691x429" >&2
    exit 1
fi

"$probe" close "$window"
for _ in $(seq 1 50); do
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "program ended with status $status after its window was closed"
        exit "$status"
    fi
    sleep 0.1
done
echo "FAIL: the program still runs 5 s after its window was closed" >&2
exit 1
