#!/usr/bin/env bash
# Printing worksheets from the real program on a CUPS server of the test's own. At start
# the printer is locked: the worksheet window's "Drucker" label is red and both print
# buttons only say so. The info window's check box clears the lock; then the label is
# blue, answering No to the question prints nothing, and answering Yes prints the tasks
# and the solutions, each as a job of one page whose lines are the window's lists.
set -euo pipefail
binary=$1
probe=$2
a11yprobe=$3
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/cups.sh"
. "$here/sheet.sh"
. "$here/steps.sh"
trap 'cups_stop; e2e_cleanup' EXIT

e2e_start_display
cups_start "$e2e_dir/cups"
cups_add_queue q
e2e_start_a11y
e2e_run "$binary"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
main=$win

job_count()
{
    find "$cups_dir/jobs" -name 'job-*.pdf' | wc -l
}

# Locked: both buttons say so and print nothing.
open_worksheets
[ "$(printer_label)" = red ] || e2e_fail "right after the start the \"Drucker\" label is not red: $(printer_label)"
for button in 120 720; do
    win=$sheet
    e2e_click "$button" 1320 495 495
    e2e_wait_window "Drucken" 5 || e2e_fail "the locked print button at $button brought no message titled \"Drucken\""
    said=$(e2e_texts "Drucken")
    [ "$said" = "Der Drucker ist gesperrt!\\n"$'\n'OK ] || e2e_fail "the lock message says \"$said\""
    e2e_key Return
    e2e_wait_closed "Drucken" "$win" || e2e_fail "the lock message did not close on Enter"
done
sleep 1
[ "$(job_count)" -eq 0 ] || e2e_fail "the locked printer printed"
win=$sheet
e2e_click 120 120 495 495 # exit
e2e_wait_closed "Pelko-Morvelt: Arbeitsblatt" "$sheet" || e2e_fail "the exit button left the worksheet window open"

# Clearing the lock in the info window.
e2e_wait_window "Pelko-Morvelt (Runde 1)" 5 || e2e_fail "the exit button did not bring the main window back"
unlock_printer
open_worksheets
[ "$(printer_label)" = blue ] || e2e_fail "after clearing the lock the \"Drucker\" label is not blue: $(printer_label)"
lists=$(e2e_objects "Pelko-Morvelt: Arbeitsblatt" | sed -n 's/^list item: //p' | sed 's/ \[focused\]$//')

# No prints nothing and says nothing more.
ask 120 "Die Aufgaben jetzt ausdrucken?"
e2e_key Return
e2e_wait_closed "Pelko-Morvelt: Drucken" "$question" || e2e_fail "the question did not close on Enter"
sleep 1
e2e_wait_window "Pelko-Morvelt: Drucken" 0 && e2e_fail "answering No brought another box"
[ "$(job_count)" -eq 0 ] || e2e_fail "answering No printed"

# Yes prints, and the program says so.
print_list()
{
    ask "$1" "$2"
    answer_yes
    e2e_wait_window "Pelko-Morvelt: Drucken" 10 || e2e_fail "after printing no box titled \"Pelko-Morvelt: Drucken\""
    said=$(e2e_texts "Pelko-Morvelt: Drucken")
    [ "$said" = "$3\\n\\n"$'\n'OK ] || e2e_fail "after printing the box says \"$said\", not \"$3\""
    e2e_key Return
    e2e_wait_closed "Pelko-Morvelt: Drucken" "$win" || e2e_fail "the box after printing did not close on Enter"
    cups_wait_jobs "$4" || e2e_fail "$(job_count) jobs reached the printer, not $4"
}
print_list 120 "Die Aufgaben jetzt ausdrucken?" "Aufgaben werden gedruckt ..." 1
print_list 720 "Die Lösungen jetzt ausdrucken?" "Lösungen werden gedruckt ..." 2

sheet_read "$cups_dir/jobs/job-1.pdf" "$e2e_dir/tasks" || e2e_fail "the printed tasks"
sheet_read "$cups_dir/jobs/job-2.pdf" "$e2e_dir/solutions" || e2e_fail "the printed solutions"
sheet_check_tasks "$e2e_dir/tasks" || e2e_fail "the printed tasks"
sheet_check_solutions "$e2e_dir/solutions" || e2e_fail "the printed solutions"
sheet_check_pair "$e2e_dir/tasks" "$e2e_dir/solutions" || e2e_fail "the printed pages"
# The window's lines, blanks squeezed as the page is read back: tasks first, then solutions;
# only the first 90 of each are printed.
count=$(($(wc -l <<<"$lists") / 2))
printed=$(cat "$e2e_dir/tasks" "$e2e_dir/solutions")
shown=$( (head -n "$count" <<<"$lists" | head -n 90; tail -n "$count" <<<"$lists" | head -n 90) |
    awk '{ print $1, $2, $3, $5 }')
[ "$printed" = "$shown" ] || e2e_fail "the printed lines are not the window's lists:
$(diff <(echo "$shown") <(echo "$printed") | head -n 10)"
echo "printed $(wc -l <"$e2e_dir/tasks") of $count tasks and their solutions, one page each"

"$probe" close "$sheet"
e2e_wait_window "Pelko-Morvelt (Runde 1)" 5 || e2e_fail "closing the worksheet window did not bring the main window back"
e2e_quit "$main"
