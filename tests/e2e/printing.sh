#!/usr/bin/env bash
# Printing worksheets from the real program on a CUPS server of the test's own. At start the printer is
# locked: a print button only says so. The info window's check box clears the lock; then answering No to
# the question prints nothing, and Yes prints the tasks and the solutions, each as a job of one page that
# holds the first 90 lines of the window's list.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cups.sh"
. "$(dirname "$0")/steps.sh"
trap e2e_cleanup EXIT

e2e_start_display
cups_start
e2e_until 5 cups_add_queue q || e2e_fail "lpadmin could not add the queue"
e2e_start_a11y
e2e_start "$1"

open_worksheets
win=$sheet
e2e_click 720 1320 495 495 # print the solutions
e2e_box "Drucken"
[ "$said" = "Der Drucker ist gesperrt!\\n"$'\n'OK ] || e2e_fail "the lock message: $said"
win=$sheet
e2e_click 120 120 495 495 # back to the game
unlock_printer
open_worksheets
read_lists() { lists=$(e2e_texts "Pelko-Morvelt: Arbeitsblatt" | grep -E '^ *[0-9_]+ +[+-] +[0-9]+ = +[0-9_]+$' | awk '{ $1 = $1 } 1'); }
e2e_until 3 read_lists || e2e_fail "a screen reader finds no tasks in the worksheet window"

ask 120 "Die Aufgaben jetzt ausdrucken?" Return
sleep 1
! cups_has_jobs 1 || e2e_fail "the locked printer or the answer No printed"

# A job's worksheet lines, blanks squeezed, sorted; the page's layout is checked in-process.
read_job()
{
    [ "$(pdfinfo "$1" | sed -n 's/^Pages: *//p')" = 1 ] || e2e_fail "$1 is not one page"
    pdftotext -layout "$1" - | grep -oE '[0-9_]+ +[+-] +[0-9]+ += +[0-9_]+' | tr -s ' ' | sort
}
count=$(($(wc -l <<<"$lists") / 2))
for job in 1 2; do
    button=$((job == 1 ? 120 : 720)) what=$([ "$job" = 1 ] && echo Aufgaben || echo Lösungen)
    ask "$button" "Die $what jetzt ausdrucken?" Tab space
    e2e_box "Pelko-Morvelt: Drucken" 10
    [ "$said" = "$what werden gedruckt ...\\n\\n"$'\n'OK ] || e2e_fail "after printing the $what: $said"
    e2e_until 10 cups_has_jobs "$job" || e2e_fail "the $what did not reach the printer"
    # sed reads to the end: a head that stopped early would break the pipe for a long sheet.
    list=$(if [ "$job" = 1 ]; then sed -n "1,${count}p"; else tail -n "$count"; fi <<<"$lists" | sed -n 1,90p | sort)
    diff <(read_job "$cups_dir/jobs/job-$job.pdf") - <<<"$list" >&2 || e2e_fail "the $what printed are not the window's"
done

e2e_quit "$main" # with the worksheet window open
