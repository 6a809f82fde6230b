#!/usr/bin/env bash
# The program's privacy, proven on the real binary under strace through a start, a game with an answer, the
# worksheet window, a copy to the clipboard and a print to the test's own CUPS queue: it opens no internet
# socket, only Unix sockets to the display, the buses and the printing system; it writes no file outside the
# scratch folder the test gives as HOME, XDG and temporary folder, and leaves nothing there when it ends.
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
export XDG_CONFIG_HOME=$e2e_dir/config XDG_CACHE_HOME=$e2e_dir/cache XDG_DATA_HOME=$e2e_dir/data \
    XDG_STATE_HOME=$e2e_dir/state TMPDIR=$e2e_dir/tmp
mkdir -p "$TMPDIR"
trace=$e2e_dir/trace
printf '#!/bin/sh\nexec strace -f -qq -s 300 -o "%s" -e trace=%%network,%%file "%s"\n' "$trace" "$1" >"$e2e_dir/traced"
chmod +x "$e2e_dir/traced"
e2e_start "$e2e_dir/traced"

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
sleep 6 # the roll, before the menu opens other windows

e2e_click 3720 5760 495 495 # the info window, to clear the printer lock
e2e_wait_window "Programm-Info" || e2e_fail "the info button opened no info window"
e2e_click 360 2400 300 255
e2e_click 240 2880 2175 495
e2e_wait_window "Pelko-Morvelt (Runde 2)" || e2e_fail "\"O k a y\" did not lead back"
e2e_click 3120 5760 495 495
e2e_wait_window "Pelko-Morvelt: Arbeitsblatt" || e2e_fail "the worksheet button opened no worksheet window"
sheet=$win
e2e_click 120 1920 495 495 # copy the tasks
e2e_box "Ablage"
ask 120 "Die Aufgaben jetzt ausdrucken?" Tab space
e2e_box "Pelko-Morvelt: Drucken" 10
e2e_until 10 cups_has_jobs 1 || e2e_fail "the tasks did not reach the printer"
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
written=$( (grep -E '^[0-9]+ +(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT)' "$trace" | grep -v ' = -1 ' |
    sed -E 's/^[^"]*"([^"]*)".*/\1/'
    grep -E '^[0-9]+ +(mkdir|mkdirat|rename|renameat2?|link|linkat|symlink|symlinkat)\(' "$trace" | grep -v ' = -1 ' |
        grep -oE '"[^"]*"' | tr -d '"') | xargs -r -d '\n' realpath -m | sort -u || true)
echo "Files the run created:" $written >&2
outside=$(grep -v "^$e2e_dir/" <<<"$written" || true)
[ -z "$outside" ] || e2e_fail "written outside the scratch folder: $outside"
left=$(while read -r path; do [ -z "$path" ] || [ ! -e "$path" ] || echo "$path"; done <<<"$written")
[ -z "$left" ] || e2e_fail "the run left behind: $left"
