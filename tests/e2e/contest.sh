#!/usr/bin/env bash
# One round of the contest in the real program, played with mouse and keyboard: from the start state a click
# on the die starts the game and its roll; after the roll, Enter on the untouched 50 (never a result of one
# die) brings the error box, which tells the task; the right answer, set with the arrow keys, starts round 2.
# The quit button ends it.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
e2e_start "$1"
# The start state, and picture buttons that a screen reader can name, once it has found the window.
says() { e2e_texts "Pelko-Morvelt (Runde 1)" | grep -qxF "$1"; }
for text in "Klicke zum Start auf einen Würfel." "Würfel 1" "Antwort bestätigen" "Beenden"; do
    e2e_until 5 says "$text" || e2e_fail "the main window does not say \"$text\""
done

e2e_click 4680 600 975 975 # the middle die
# Ten ticks of 500 ms, then the status line names who answers; an earlier answer would be checked against 50.
called() { e2e_texts "Pelko-Morvelt (Runde 1)" | grep -q ' ist dran!$'; }
e2e_until 20 called || e2e_fail "20 s after the die click no player is called"

e2e_key Return
e2e_box "F e h l e r" 3
task=$(sed -n '1s/^\\nDie Aufgabe lautet:  50 \([+-]\) \([1-9]\) = _____\\n\\n$/\1 \2/p' <<<"$said")
[ -n "$task" ] && [ "$(sed 1d <<<"$said")" = OK ] || e2e_fail "the error box does not tell a task of 50 and one die: $said"
read -r sign operand <<<"$task"
key=$([ "$sign" = + ] && echo Right || echo Left)
for _ in $(seq "$operand"); do e2e_key "$key"; done
e2e_key Return
e2e_wait_window "Pelko-Morvelt (Runde 2)" 3 || e2e_fail "the answer to 50 $sign $operand did not start round 2"

# Quitting asks first: Enter keeps the preselected "Nein", and "Ja" ends the program.
e2e_click 120 5760 495 495
e2e_box "Pelko-Morvelt - Das Entwicklerteam"
[ "$(sort <<<"$said")" = "$(printf '%s\n' 'Willst du das Programm jetzt beenden?\n\n' Ja Nein | sort)" ] ||
    e2e_fail "the quit question: $said"
win=$main
sleep 0.5 # a second click sooner would be a double click, which the program's buttons do not take
e2e_click 120 5760 495 495
e2e_wait_window "Pelko-Morvelt - Das Entwicklerteam" || e2e_fail "the quit button asked nothing"
e2e_key Tab space
e2e_ended
