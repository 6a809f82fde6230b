#!/usr/bin/env bash
# The real program under a window manager: its main window comes up titled for round 1 at the design's client
# size, and closing it ends the process. Where the windows stand, frame counted: the main, worksheet and memory
# window centred, the info window centred across and a quarter of the free height down. Each opening puts a
# window at the same place, whether it was only hidden (left by its own button) or discarded (closed through its
# title bar) in between; and every way out brings the main window back.
set -euo pipefail
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start "$1"
[ "${win_w}x$win_h" = 691x429 ] || e2e_fail "the client area is ${win_w}x$win_h, not 691x429"
read -r screen_w screen_h < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')

# "X Y" where the window's frame should stand by its rule: 2 centres it, 4 puts it a quarter down.
expected_place()
{
    local left right top bottom
    read -r left right top bottom < <("$probe" frame "$win")
    [ "$top" -gt 0 ] || e2e_fail "window $win has no frame: is the window manager running?"
    echo $(((screen_w - win_w - left - right) / 2 + left)) $(((screen_h - win_h - top - bottom) / $1 + top))
}
# The window's client area comes where its rule puts it (on a busy machine the window manager may tell the
# frame a moment late, and the window then moves into place) and stays there.
placed() { e2e_find "$1" && want=$(expected_place "$2") && [ "$win_x $win_y" = "$want" ]; }
check_place()
{
    local title=$1 share=$2 want=""
    e2e_until 3 placed "$title" "$share" || e2e_fail "\"$title\" stands at $win_x $win_y, not at $want, on opening $3"
    sleep 0.2
    placed "$title" "$share" || e2e_fail "\"$title\" moved away to $win_x $win_y on opening $3"
}
back_to_main()
{
    e2e_wait_closed "$win" || e2e_fail "$1 left the window on screen"
    e2e_wait_window "Pelko-Morvelt (Runde ${2:-1})" || e2e_fail "$1 did not bring the main window back"
    win=$main
    # The next press on the same button this soon would be the second half of a double-click.
    sleep 0.5
}

check_place "Pelko-Morvelt (Runde 1)" 2 1
for opening in 1 2 3; do
    e2e_click 3720 5760 495 495 # the info button
    e2e_wait_window "Programm-Info" || e2e_fail "the info button opened nothing on opening $opening"
    check_place "Programm-Info" 4 "$opening"
    if [ "$opening" = 2 ]; then "$probe" close "$win"; else e2e_click 240 2880 2175 495; fi # title bar, or "O k a y"
    back_to_main "leaving the info window"
done
for opening in 1 2 3; do
    e2e_click 3120 5760 495 495 # the worksheet button
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" || e2e_fail "the worksheet button opened nothing on opening $opening"
    check_place "Pelko-Morvelt: Arbeitsblatt" 2 "$opening"
    if [ "$opening" = 2 ]; then "$probe" close "$win"; else e2e_click 120 120 495 495; fi # title bar, or exit
    back_to_main "leaving the worksheet window"
done
check_place "Pelko-Morvelt (Runde 1)" 2 2
for opening in 1 2; do
    # Until the first roll of a game ends, the start's 50 is the answer: three times Enter bring the memory game.
    e2e_click 4680 600 975 975 # the middle die starts a game, or leaves it running
    e2e_key Return Return Return
    e2e_wait_window "Pelko-Memory" && e2e_key Return || e2e_fail "three answers brought no memory game"
    e2e_wait_window "Zahlenmemo" || e2e_fail "the memory game did not come on opening $opening"
    check_place "Zahlenmemo" 2 "$opening"
    "$probe" close "$win"
    back_to_main "leaving the memory game" $((3 * opening + 1))
done
e2e_quit "$main"
