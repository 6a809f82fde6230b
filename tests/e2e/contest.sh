#!/usr/bin/env bash
# One round of the contest in the real program, played with mouse and keyboard: a click
# on the die starts the game; after the roll, Enter on the untouched 50 (never a task's
# result) brings the error box, whose text tells the task; an answer one step short is
# refused the same way, and the right one, set with the arrow keys, starts round 2.
set -euo pipefail
binary=$1
probe=$2
a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
e2e_run "$binary"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
main=$win

e2e_click 4680 600 975 975 # the middle die starts the game and its roll
# Ten ticks of 500 ms, then the status line names who answers. An answer during the roll
# would still be checked against the start value 50.
started=$SECONDS
for _ in $(seq 1 200); do
    e2e_texts "Pelko-Morvelt (Runde 1)" | grep -q ' ist dran!$' && break
    sleep 0.1
done
e2e_texts "Pelko-Morvelt (Runde 1)" | grep -q ' ist dran!$' || e2e_fail "20 s after the die click no player is called"
echo "the roll ended after about $((SECONDS - started)) s"

# Confirms the slider's value; says whether the error box came, with its text in $said.
confirm()
{
    e2e_key Return
    local _
    for _ in $(seq 1 30); do
        if "$probe" find "Pelko-Morvelt (Runde 2)" >/dev/null; then return 1; fi
        if e2e_wait_window "F e h l e r" 0; then
            said=$(e2e_texts "F e h l e r")
            e2e_key Return # its one button, OK
            e2e_wait_closed "F e h l e r" "$win" || e2e_fail "the error box did not close on Enter"
            "$probe" find "Pelko-Morvelt (Runde 1)" >/dev/null || e2e_fail "a wrong answer changed the title"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "Enter brought neither the error box nor the title of round 2 within 3 s"
}

confirm || e2e_fail "50 was taken as the answer, but no task of one die gives 50"
# The box holds its text and one button, OK.
task=$(sed -n '1s/^\\nDie Aufgabe lautet:  \(50\) \([+-]\) \([1-9]\) = _____\\n\\n$/\1 \2 \3/p' <<<"$said")
[ -n "$task" ] && [ "$(sed -n '2,$p' <<<"$said")" = OK ] ||
    e2e_fail "the error box does not tell a task of 50 and one die: \"$said\""
read -r first sign operand <<<"$task"
answer=$((first $sign operand))
echo "the error box tells the task $first $sign $operand"
key=Right step=1
[ "$sign" = + ] || { key=Left step=-1; }

for _ in $(seq 2 "$operand"); do e2e_key "$key"; done
if [ "$operand" -gt 1 ]; then
    confirm || e2e_fail "$((answer - step)) was taken as the answer to $first $sign $operand"
    [ "$said" = "\\nDie Aufgabe lautet:  $first $sign $operand = _____\\n\\n"$'\n'OK ] ||
        e2e_fail "the second error box tells another task: \"$said\""
fi
e2e_key "$key"
! confirm || e2e_fail "the answer $answer was refused"
echo "the answer $answer started round 2"
e2e_wait_window "Pelko-Morvelt (Runde 2)" 1 || e2e_fail "the main window lost its title of round 2"
e2e_quit "$main"
