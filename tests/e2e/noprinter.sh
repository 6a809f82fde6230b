#!/usr/bin/env bash
# Printing from the real program where nothing can be printed: once with no print
# server at all, once with a CUPS server of the test's own that has no queue. With the
# lock cleared, answering Yes must bring a box titled "Pelko-Morvelt: Drucken" that does
# not claim the sheet is being printed, and the program must go on.
set -euo pipefail
binary=$1
probe=$2
a11yprobe=$3
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/cups.sh"
. "$here/steps.sh"
trap 'cups_stop; e2e_cleanup' EXIT

e2e_start_display
e2e_start_a11y

for server in none empty; do
    if [ "$server" = none ]; then
        export CUPS_SERVER=$e2e_dir/nobody-listens.sock
    else
        cups_start "$e2e_dir/cups"
    fi
    e2e_run "$binary"
    e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
    main=$win
    unlock_printer
    open_worksheets
    ask 120 "Die Aufgaben jetzt ausdrucken?"
    answer_yes
    e2e_wait_window "Pelko-Morvelt: Drucken" 10 || e2e_fail "with no printer ($server) no box titled \"Pelko-Morvelt: Drucken\" came"
    said=$(e2e_texts "Pelko-Morvelt: Drucken")
    echo "with no printer ($server) the box says: $said"
    [[ $said != *"Aufgaben werden gedruckt"* ]] || e2e_fail "with no printer ($server) the program claims to print"
    [ -n "$(sed '$d' <<<"$said")" ] || e2e_fail "with no printer ($server) the box has no text"
    e2e_key Return
    e2e_wait_closed "Pelko-Morvelt: Drucken" "$win" || e2e_fail "the box did not close on Enter"
    e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" 2 || e2e_fail "the worksheet window is gone after the box"
    if [ "$server" = empty ]; then
        [ -z "$(lpstat -o 2>/dev/null)" ] || e2e_fail "a job waits on the server: $(lpstat -o)"
        cups_stop
    fi
    "$probe" close "$sheet"
    e2e_quit "$main"
done
