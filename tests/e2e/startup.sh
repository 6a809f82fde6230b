#!/usr/bin/env bash
# The real program on a virtual display: its main window comes up titled for round 1 at the design's
# client size, and closing that window ends the process.
set -euo pipefail
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start "$1"
[ "${win_w}x$win_h" = 691x429 ] || e2e_fail "the client area is ${win_w}x$win_h, not 691x429"
e2e_quit "$main"
