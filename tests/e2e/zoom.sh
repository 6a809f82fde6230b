#!/usr/bin/env bash
# The real program on a classroom board (1920 x 1080) under a window manager: --vollbild and F11 use the window
# manager's full-screen state, the design fills the screen's height centred, and the next window comes full screen
# too; F11 leaves full screen, and Ctrl+Plus then grows the window a step.
set -euo pipefail
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

full_screen() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
covers() { e2e_find "$1" && [ "$win_x $win_y $win_w $win_h" = "0 0 1920 1080" ] && full_screen "$win"; }
sized() { e2e_find "$1" && [ "${win_w}x$win_h" = "$2" ]; }

e2e_start_display 1920x1080
e2e_start "$1" --vollbild
e2e_until 5 covers "Pelko-Morvelt (Runde 1)" || e2e_fail "--vollbild shows the main window at $win_x $win_y ${win_w}x$win_h"
# 1080 / 429 pixels: the design's height fills the screen, its width centred.
e2e_scale=$(awk 'BEGIN { print 1080 * 15 / 6435 }') e2e_margin="$(((1920 - 691 * 1080 / 429) / 2)) 0"
navy() { [ "$("$probe" pixel "$(e2e_point "$1" "$2" | tr ' ' ,)")" = 000080 ]; }
# Inside both corners of the arrow number's blue box (at 50, from 4600 twips), and not beside it.
box_in_place() { navy 4660 4020 && navy 5515 4395 && ! navy 4540 4020; }
e2e_until 3 box_in_place || e2e_fail "the arrow number's blue box is not at its place on the full screen"

e2e_click 3720 5760 495 495 # the info button
e2e_until 5 covers "Programm-Info" || e2e_fail "the info window came at $win_x $win_y ${win_w}x$win_h, not full screen"
e2e_key F11
e2e_until 5 sized "Programm-Info" 234x267 && ! full_screen "$win" || e2e_fail "F11 left full screen at ${win_w}x$win_h"
e2e_key ctrl+plus
e2e_until 5 sized "Programm-Info" 293x334 || e2e_fail "Ctrl+Plus gave ${win_w}x$win_h, not 293x334"
e2e_quit "$main"
