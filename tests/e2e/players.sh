#!/usr/bin/env bash
# The player window in the real program: the player button opens it with the main
# window's names, the real mouse drags the frog from the gallery onto the second
# player's slot, a name is typed, and the tick carries both to the main window.
set -euo pipefail
binary=$1
probe=$2
a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

frog=5cc84a # the frog's green, far from every colour of the two children's faces
# Pixels near the frog's green in a 33-pixel picture box at (LEFT, TOP) twips of window ID.
frog_pixels() { "$probe" count "$1" $(($2 / 15)) $(($3 / 15)) 33 33 "$frog"; }

e2e_start_display
e2e_start_a11y
e2e_run "$binary"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no main window within 20 s"
main=$win
[ "$(frog_pixels "$main" 9600 2040)" -eq 0 ] || e2e_fail "the second avatar is a frog already"

e2e_click 2520 5760 495 495 # the player button
e2e_wait_window "Pelko-Morvelt: Benutzer" || e2e_fail "the player button opened no player window"
setup=$win
! "$probe" find "Pelko-Morvelt (Runde 1)" >/dev/null || e2e_fail "the main window stayed on screen"

# Press on the frog (gallery row 0, column 7), move in steps as a hand does, release on the second slot.
read -r left top _ <<<"$("$probe" place "$setup")"
from_x=$((left + (4440 + 247) / 15)) from_y=$((top + (1320 + 247) / 15))
to_x=$((left + (3840 + 247) / 15)) to_y=$((top + (240 + 247) / 15))
xdotool mousemove "$from_x" "$from_y" mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
[ "$(frog_pixels "$setup" 3840 240)" -gt 100 ] || e2e_fail "the second slot did not take the frog"
[ "$(frog_pixels "$setup" 4440 1320)" -gt 100 ] || e2e_fail "the gallery lost its frog"

e2e_click 120 240 1935 495 # the first name box, whose text is selected on opening anyway
e2e_key ctrl+a
xdotool type --delay 50 "Lena Müller"
e2e_click 3240 240 495 495 # the tick
e2e_wait_window "Pelko-Morvelt (Runde 1)" || e2e_fail "the tick did not bring the main window back"
! "$probe" find "Pelko-Morvelt: Benutzer" >/dev/null || e2e_fail "the player window stayed on screen"
texts=$(e2e_texts "Pelko-Morvelt (Runde 1)")
grep -qx "Lena Müller" <<<"$texts" || e2e_fail "the main window does not name \"Lena Müller\": $texts"
grep -qx Computer <<<"$texts" || e2e_fail "the second name changed without being typed"
[ "$(frog_pixels "$main" 9600 2040)" -gt 100 ] || e2e_fail "the second avatar is not the frog"
echo "the frog went to the second player, and the first is called Lena Müller"
e2e_quit "$main"
