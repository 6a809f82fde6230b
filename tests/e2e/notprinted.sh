#!/usr/bin/env bash
# Printing from the real program where nothing can be printed, on a CUPS server of the test's own: first with
# no queue at all, then with a queue that refuses every job. With the lock cleared, answering Yes must bring a
# box titled "Pelko-Morvelt: Drucken" that says the sheet was not printed, and the program goes on.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cups.sh"
. "$(dirname "$0")/steps.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_a11y
cups_start
for queue in none refusing; do
    [ "$queue" = none ] || { e2e_until 5 cups_add_queue q && cupsreject q; } || e2e_fail "no refusing queue"
    e2e_start "$1"
    unlock_printer
    open_worksheets
    ask 120 "Die Aufgaben jetzt ausdrucken?" Tab space
    e2e_box "Pelko-Morvelt: Drucken" 10
    [[ $said == *"nicht gedruckt"* ]] || e2e_fail "with $queue queue the box says: $said"
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" 0 || e2e_fail "the worksheet window is gone after the box"
    e2e_quit "$main" # with the worksheet window open
done
