#!/usr/bin/env bash
# The program's printer on a CUPS server of the test's own: with no server and with
# no queue it reports that there is no printer; with a raw default queue each
# worksheet arrives as one job of one page whose lines read back as the sheet.
set -euo pipefail
printjob=$1
here=$(dirname "$0")
. "$here/cups.sh"
. "$here/sheet.sh"
dir=$(mktemp -d)
trap 'cups_stop; rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen HOME=$dir XDG_RUNTIME_DIR=$dir
unset PRINTER LPDEST

status=0
CUPS_SERVER=$dir/nobody-listens.sock "$printjob" tasks || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: with no print server the job ended with status $status, not 1 (no printer)" >&2; exit 1; }

cups_start "$dir/cups"
status=0
"$printjob" tasks || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: with no queue the job ended with status $status, not 1 (no printer)" >&2; exit 1; }

cups_add_queue q
"$printjob" tasks || { echo "FAIL: printing the tasks on queue q failed" >&2; exit 1; }
cups_wait_jobs 1 || { echo "FAIL: no job reached the test backend" >&2; exit 1; }
"$printjob" solutions || { echo "FAIL: printing the solutions on queue q failed" >&2; exit 1; }
cups_wait_jobs 2 || { echo "FAIL: the second job did not reach the test backend" >&2; exit 1; }

sheet_read "$dir/cups/jobs/job-1.pdf" "$dir/tasks" || { echo "FAIL: the tasks page" >&2; exit 1; }
sheet_read "$dir/cups/jobs/job-2.pdf" "$dir/solutions" || { echo "FAIL: the solutions page" >&2; exit 1; }
sheet_check_tasks "$dir/tasks" && sheet_check_solutions "$dir/solutions" &&
    sheet_check_pair "$dir/tasks" "$dir/solutions" || { echo "FAIL: the printed sheets" >&2; exit 1; }
[ "$(wc -l <"$dir/tasks")" -eq 45 ] || { echo "FAIL: $(wc -l <"$dir/tasks") lines printed, not 45" >&2; exit 1; }
echo "two jobs of one page each: $(head -n 1 "$dir/tasks") ... $(tail -n 1 "$dir/solutions")"
