#!/usr/bin/env bash
# One round of the contest in the real program, played with mouse and keyboard: a click
# on the die starts the game, and after the roll the answer is found with the arrow keys
# and Enter, each wrong try bringing the error box, until the title names round 2.
set -euo pipefail
binary=$1
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_run "$binary"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
main=$win

e2e_click 4680 600 975 975 # the middle die starts the game and its roll
# Ten ticks of 500 ms; an answer during the roll would still be checked against the start value 50.
sleep 6

# A task of 50 plus or minus one die: 51 .. 59, then 49 .. 41.
steps=()
for _ in $(seq 1 9); do steps+=(Right); done
for _ in $(seq 1 18); do steps+=(Left); done
value=50
errors=0
for step in "${steps[@]}"; do
    e2e_key "$step"
    if [ "$step" = Right ]; then value=$((value + 1)); else value=$((value - 1)); fi
    [ "$value" -eq 50 ] && continue
    e2e_key Return
    outcome=""
    for _ in $(seq 1 30); do
        if "$probe" find "Pelko-Morvelt (Runde 2)" >/dev/null; then outcome=right; break; fi
        if error=$("$probe" find "F e h l e r"); then outcome=wrong; break; fi
        sleep 0.1
    done
    case $outcome in
    right)
        echo "the answer $value was taken after $errors wrong ones"
        break
        ;;
    wrong)
        errors=$((errors + 1))
        e2e_key Return # its one button, OK
        e2e_wait_closed "F e h l e r" "${error%% *}" || e2e_fail "the error box did not close on Enter"
        "$probe" find "Pelko-Morvelt (Runde 1)" >/dev/null || e2e_fail "a wrong answer $value changed the title"
        ;;
    *) e2e_fail "Enter on the answer $value brought neither the error box nor the title of round 2 within 3 s" ;;
    esac
done
[ "$outcome" = right ] || e2e_fail "no answer from 41 to 59 was taken as right"
e2e_wait_window "Pelko-Morvelt (Runde 2)" 1 || e2e_fail "the main window lost its title of round 2"
e2e_quit "$main"
