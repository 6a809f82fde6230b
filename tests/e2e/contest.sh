#!/usr/bin/env bash
# One round of the contest in the real program, played with mouse and keyboard as a child does. A double-click
# on the dice button opens its list once. In the player window a click on the frog and at once a drag carries
# it onto the second player, a name is typed, and the tick carries both to the main window. Then a click on
# the die starts the game and its roll; after the roll, Enter on the untouched 50 (never a result of one die)
# brings the error box, which tells the task; the right answer, set with the arrow keys and confirmed by a
# double-click on the arrow number, starts round 2 and no more. The quit button ends it.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
e2e_start "$1"
# The start state, and picture buttons that a screen reader can name, once it has found the window.
main_title="Pelko-Morvelt (Runde 1)" setup_title="Pelko-Morvelt: Benutzer"
says() { e2e_texts "${2:-$main_title}" | grep -qxF "$1"; }
for text in "Klicke zum Start auf einen Würfel." "Würfel 1" "Antwort bestätigen: 50" "Beenden" "Bild des zweiten Spielers: Junge"; do
    e2e_until 5 says "$text" || e2e_fail "the main window does not say \"$text\""
done

# A double-click is one click: the list opens and stays open; the next click, a moment later, closes it.
# Open, the list's navy stands where the slider's groove is otherwise.
dice_list() { [ "$("$probe" pixel "$(e2e_point 2800 5000 | tr ' ' ,)")" = "$1" ]; }
dice_list 000080 && e2e_fail "the dice list is open at start"
xdotool mousemove $(e2e_point $((1320 + 247)) $((5760 + 247))) click --repeat 2 --delay 80 1
e2e_until 3 dice_list 000080 || e2e_fail "a double-click on the dice button left its list shut"
sleep 0.5
dice_list 000080 || e2e_fail "the list the double-click opened shut again"
e2e_click 1320 5760 495 495
e2e_until 3 eval '! dice_list 000080' || e2e_fail "a click on the dice button left its list open"

e2e_click 2520 5760 495 495 # the player button
e2e_wait_window "$setup_title" || e2e_fail "the player button opened no player window"
e2e_wait_closed "$main" || e2e_fail "the main window stayed on screen"
# Click the frog (row 0, column 7) and at once press it again, move in steps as a hand does, release on the
# second slot: the second press arrives as half of a double-click, and must drag all the same.
read -r from_x from_y < <(e2e_point $((4440 + 247)) $((1320 + 247)))
read -r to_x to_y < <(e2e_point $((3840 + 247)) $((240 + 247)))
xdotool mousemove "$from_x" "$from_y" click 1 sleep 0.1 mousedown 1
for step in $(seq 10); do xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10)) sleep 0.05; done
xdotool mouseup 1
e2e_until 3 says "Bild des zweiten Spielers: Frosch" "$setup_title" || e2e_fail "the second slot did not take the frog"
says Frosch "$setup_title" || e2e_fail "the gallery lost its frog"
e2e_click 120 240 1935 495 # the first name box
e2e_key ctrl+a
xdotool type --delay 50 "Lena Müller"
e2e_click 3240 240 495 495 # the tick
e2e_wait_window "$main_title" || e2e_fail "the tick did not bring the main window back"
for text in "Lena Müller" Computer "Bild des zweiten Spielers: Frosch" "Bild des ersten Spielers: Mädchen"; do
    says "$text" || e2e_fail "the main window does not say \"$text\": $(e2e_texts "$main_title")"
done

e2e_click 4680 600 975 975 # the middle die
# Ten ticks of 500 ms, then the status line names who answers; an earlier answer would be checked against 50.
e2e_until 20 says "Lena Müller ist dran!" || e2e_fail "20 s after the die click Lena Müller is not called"

e2e_key Return
e2e_box "F e h l e r" 3
task=$(sed -n '1s/^\\nDie Aufgabe lautet:  50 \([+-]\) \([1-9]\) = _____\\n\\n$/\1 \2/p' <<<"$said")
[ -n "$task" ] && [ "$(sed 1d <<<"$said")" = OK ] || e2e_fail "the error box does not tell a task of 50 and one die: $said"
read -r sign operand <<<"$task"
key=$([ "$sign" = + ] && echo Right || echo Left)
for _ in $(seq "$operand"); do e2e_key "$key"; done
answer=$((50 $sign operand)) win=$main
xdotool mousemove $(e2e_point $((90 * answer + 600)) $((3960 + 247))) click --repeat 2 --delay 80 1
e2e_wait_window "Pelko-Morvelt (Runde 2)" 3 || e2e_fail "the answer to 50 $sign $operand did not start round 2"
sleep 0.5
e2e_find "Pelko-Morvelt (Runde 2)" || e2e_fail "a double-click on the answer counted it twice"

# Quitting asks first: Enter keeps the preselected "Nein", and "Ja" ends the program.
e2e_click 120 5760 495 495
e2e_box "Pelko-Morvelt - Das Entwicklerteam"
[ "$(sort <<<"$said")" = "$(printf '%s\n' 'Willst du das Programm jetzt beenden?\n\n' Ja Nein | sort)" ] ||
    e2e_fail "the quit question: $said"
win=$main
sleep 0.5 # a second press this soon on the same spot would be the second half of a double-click
e2e_click 120 5760 495 495
e2e_wait_window "Pelko-Morvelt - Das Entwicklerteam" || e2e_fail "the quit button asked nothing"
e2e_key Tab space
e2e_ended
