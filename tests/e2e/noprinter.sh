#!/usr/bin/env bash
# Printing from the real program where nothing can be printed: once with no print server at all, once with a
# CUPS server of the test's own that has no queue. With the lock cleared, answering Yes must bring a box titled
# "Pelko-Morvelt: Drucken" that says the sheet was not printed, and the program goes on.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cups.sh"
. "$(dirname "$0")/steps.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
for server in none empty; do
    if [ "$server" = none ]; then export CUPS_SERVER=$e2e_dir/nobody-listens.sock; else cups_start; fi
    e2e_run "$1"
    e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
    main=$win
    unlock_printer
    open_worksheets
    ask 120 "Die Aufgaben jetzt ausdrucken?"
    answer_yes
    e2e_wait_window "Pelko-Morvelt: Drucken" 10 || e2e_fail "with no printer ($server) no box came"
    said=$(e2e_texts "Pelko-Morvelt: Drucken")
    [[ $said == *"nicht gedruckt"* ]] || e2e_fail "with no printer ($server) the box says: $said"
    e2e_key Return
    e2e_wait_closed "$win" || e2e_fail "the box did not close on Enter"
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" 0 || e2e_fail "the worksheet window is gone after the box"
    "$probe" close "$sheet"
    e2e_quit "$main"
done
