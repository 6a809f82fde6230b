#!/usr/bin/env bash
# One round of the contest in the real program, played with mouse and keyboard: from the start state a click
# on the die starts the game and its roll; after the roll, Enter on the untouched 50 (never a result of one
# die) brings the error box, which tells the task; the right answer, set with the arrow keys, starts round 2.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
e2e_run "$1"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
main=$win
said=$(e2e_texts "Pelko-Morvelt (Runde 1)")
# The start state, and picture buttons that a screen reader can name.
for text in "Klicke zum Start auf einen Würfel." "Würfel 1" "Antwort bestätigen" "Beenden"; do
    grep -qxF "$text" <<<"$said" || e2e_fail "the main window does not say \"$text\""
done

e2e_click 4680 600 975 975 # the middle die
# Ten ticks of 500 ms, then the status line names who answers; an earlier answer would be checked against 50.
called() { e2e_texts "Pelko-Morvelt (Runde 1)" | grep -q ' ist dran!$'; }
e2e_until 20 called || e2e_fail "20 s after the die click no player is called"

e2e_key Return
e2e_wait_window "F e h l e r" 3 || e2e_fail "50 was taken as the answer, or no error box came"
said=$(e2e_texts "F e h l e r")
task=$(sed -n '1s/^\\nDie Aufgabe lautet:  50 \([+-]\) \([1-9]\) = _____\\n\\n$/\1 \2/p' <<<"$said")
[ -n "$task" ] && [ "$(sed 1d <<<"$said")" = OK ] || e2e_fail "the error box does not tell a task of 50 and one die: $said"
read -r sign operand <<<"$task"
e2e_key Return # its one button
e2e_wait_closed "$win" || e2e_fail "the error box did not close on Enter"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 0 || e2e_fail "a wrong answer changed the title"

key=Right
[ "$sign" = + ] || key=Left
for _ in $(seq "$operand"); do e2e_key "$key"; done
e2e_key Return
e2e_wait_window "Pelko-Morvelt (Runde 2)" 3 || e2e_fail "the answer to 50 $sign $operand did not start round 2"
e2e_quit "$main"
