#!/usr/bin/env bash
# The real program on a virtual display: its main window comes up with the start
# title at the design's client size, and closing that window ends the process.
set -euo pipefail
binary=$1
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_run "$binary"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
echo "main window $win: ${win_w}x${win_h}"
[ "$win_w" = 691 ] && [ "$win_h" = 429 ] || e2e_fail "expected a client area of 691x429"
e2e_quit "$win"
echo "the program ended after its window was closed"
