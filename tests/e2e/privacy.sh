#!/usr/bin/env bash
# Printing worksheets from the real program on a CUPS server of the test's own, under strace. At start the
# printer is locked: a print button only says so. The info window's check box clears the lock; then answering
# No to the question prints nothing, and Yes prints the tasks and the solutions, each as a job of one page that
# holds the first 90 lines of the window's list. Before that a game with an answer, after it a copy to the
# clipboard. Through all of it the program opens no internet socket, only Unix sockets to the display, the
# buses and the printing system, and writes no file outside the scratch folder the test gives as HOME, XDG and
# temporary folder, and leaves nothing there when it ends.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/cups.sh"
. "$(dirname "$0")/steps.sh"
# strace leaves a program it traces running when it is ended itself: on a failure the program goes first.
trap '{ [ -z "$e2e_pid" ] || pkill -P "$e2e_pid"; } 2>/dev/null || true; e2e_cleanup' EXIT

e2e_start_display
cups_start
e2e_until 5 cups_add_queue q || e2e_fail "lpadmin could not add the queue"
lpoptions -p q/klasse -o sides=one-sided >/dev/null && lpoptions -d q/klasse >/dev/null # a class's own default
e2e_start_a11y
export XDG_CONFIG_HOME=$e2e_dir/config XDG_CACHE_HOME=$e2e_dir/cache XDG_DATA_HOME=$e2e_dir/data \
    XDG_STATE_HOME=$e2e_dir/state TMPDIR=$e2e_dir/tmp
mkdir -p "$TMPDIR"
trace=$e2e_dir/trace
printf '#!/bin/sh\nexec strace -f -qq -s 300 -o "%s" -e trace=%%network,%%file "%s"\n' "$trace" "$1" >"$e2e_dir/traced"
chmod +x "$e2e_dir/traced"
e2e_start "$e2e_dir/traced"

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
win=$sheet
e2e_click 120 1920 495 495 # copy the tasks
e2e_box "Ablage"
[[ $said == "Die Aufgaben wurden kopiert!"* ]] || e2e_fail "the copy: $said"
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
win=$sheet
e2e_click 120 120 495 495 # back to the game
e2e_wait_window "Pelko-Morvelt (Runde 1)" || e2e_fail "the exit button did not lead back"
win=$main
e2e_click 4680 600 975 975 # the middle die: the game and its roll start
says() { e2e_texts "Pelko-Morvelt (Runde 1)" | grep -qF "$1"; }
e2e_until 20 says "Freund ist dran!" || e2e_fail "the roll did not end in a task"
e2e_key Return # 50 is never the result of one die: the error box tells the task
e2e_box "F e h l e r" 3
read -r sign operand < <(sed -n '1s/^\\nDie Aufgabe lautet:  50 \([+-]\) \([1-9]\) = _____.*/\1 \2/p' <<<"$said")
for _ in $(seq "$operand"); do e2e_key "$([ "$sign" = + ] && echo Right || echo Left)"; done
e2e_key Return
e2e_wait_window "Pelko-Morvelt (Runde 2)" 3 || e2e_fail "the answer to 50 $sign $operand was not taken"

e2e_quit "$main"

families=$(grep -oE '^[0-9]+ +socket\(AF_[A-Z0-9]+' "$trace" | sed 's/.*(//' | sort -u | tr '\n' ' ')
[ "$families" = "AF_UNIX " ] || e2e_fail "sockets of other kinds than AF_UNIX: $families"
# The Unix sockets it reached lead only to the display, the session and accessibility buses and the printing
# system. The printing library also asks for the system bus (where printers on the network are looked for)
# and the name service cache; the test's machine runs neither.
bus=$(sed -E 's/^unix:(path|abstract)=([^,]*).*/\2/' <<<"$DBUS_SESSION_BUS_ADDRESS")
reached=$(grep -E '^[0-9]+ +connect\(.*sun_path=.*\) = 0$' "$trace" | sed -E 's/.*sun_path=@?"([^"]*)".*/\1/' | sort -u)
echo "Unix sockets reached:" $reached >&2
others=$(grep -vxE "/tmp/.X11-unix/X[0-9]+|$bus|$e2e_dir/at-spi/.*|$CUPS_SERVER" <<<"$reached" || true)
[ -z "$others" ] || e2e_fail "connected to other sockets: $others"
# Every file it opened for writing, created, renamed or linked; each lies in the scratch folder and is gone.
# An unnamed temporary file (O_TMPFILE) is none until linked, and a link or rename creates only its last path.
written=$( (grep -E '^[0-9]+ +(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT)' "$trace" | grep -v -e ' = -1 ' -e O_TMPFILE |
    sed -E 's/^[^"]*"([^"]*)".*/\1/'
    grep -E '^[0-9]+ +(mkdir|mkdirat|rename|renameat2?|link|linkat|symlink|symlinkat)\(' "$trace" | grep -v ' = -1 ' |
        sed -E 's/.*"([^"]*)".*/\1/') | xargs -r -d '\n' realpath -m | sort -u || true)
echo "Files the run created:" $written >&2
outside=$(grep -v "^$e2e_dir/" <<<"$written" || true)
[ -z "$outside" ] || e2e_fail "written outside the scratch folder: $outside"
left=$(while read -r path; do [ -z "$path" ] || [ ! -e "$path" ] || echo "$path"; done <<<"$written")
[ -z "$left" ] || e2e_fail "the run left behind: $left"
