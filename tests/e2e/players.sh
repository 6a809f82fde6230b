#!/usr/bin/env bash
# The player window in the real program: the player button opens it, the real mouse drags
# the frog out of the gallery onto the second player's picture, a name is typed, and the
# tick carries both to the main window, where a screen reader finds them.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

main_title="Pelko-Morvelt (Runde 1)" setup_title="Pelko-Morvelt: Benutzer"
says() { e2e_texts "$1" | grep -qxF "$2"; }

e2e_start_display
e2e_start_a11y
e2e_start "$1"
says "$main_title" "Bild des zweiten Spielers: Junge" || e2e_fail "the second player does not start as the boy"

e2e_click 2520 5760 495 495 # the player button
e2e_wait_window "$setup_title" || e2e_fail "the player button opened no player window"
e2e_wait_closed "$main" || e2e_fail "the main window stayed on screen"

# Press on the frog (row 0, column 7), move in steps as a hand does, release on the second slot.
read -r from_x from_y < <(e2e_point $((4440 + 247)) $((1320 + 247)))
read -r to_x to_y < <(e2e_point $((3840 + 247)) $((240 + 247)))
xdotool mousemove "$from_x" "$from_y" mousedown 1
for step in $(seq 1 10); do
    xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10))
    sleep 0.05
done
xdotool mouseup 1
e2e_until 3 says "$setup_title" "Bild des zweiten Spielers: Frosch" || e2e_fail "the second slot did not take the frog"
says "$setup_title" "Frosch" || e2e_fail "the gallery lost its frog"

e2e_click 120 240 1935 495 # the first name box
e2e_key ctrl+a
xdotool type --delay 50 "Lena Müller"
e2e_click 3240 240 495 495 # the tick
e2e_wait_window "$main_title" || e2e_fail "the tick did not bring the main window back"
for said in "Lena Müller" Computer "Bild des zweiten Spielers: Frosch" "Bild des ersten Spielers: Mädchen"; do
    says "$main_title" "$said" || e2e_fail "the main window does not say \"$said\": $(e2e_texts "$main_title")"
done
echo "the frog went to the second player, and the first is called Lena Müller"
e2e_quit "$main"
