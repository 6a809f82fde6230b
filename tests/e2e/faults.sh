#!/usr/bin/env bash
# The real program ended from outside while a dice roll runs: by SIGTERM, and by its display going away.
# Either way it ends within seconds, by itself and without a crash, a core or a sanitizer report; after
# SIGTERM with status 0.
set -euo pipefail
probe=$2
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

clean_end()
{
    e2e_until 5 e2e_gone_pid || e2e_fail "the program still runs 5 s after $1"
    local status=0
    wait "$e2e_pid" || status=$?
    e2e_pid=""
    [ "$status" -eq "$2" ] || e2e_fail "after $1 the program ended with status $status: $(cat "$e2e_dir/err")"
    ! grep -E -A30 'Sanitizer|runtime error|core dumped' "$e2e_dir/err" >&2 || e2e_fail "a report after $1"
}

e2e_start_display
: >"$e2e_dir/err"
for way in SIGTERM display; do
    e2e_start "$1" 2>>"$e2e_dir/err"
    win=$main
    e2e_click 4680 600 975 975 # a die starts the game and its roll
    sleep 1
    if [ "$way" = SIGTERM ]; then
        kill -TERM "$e2e_pid"
        clean_end SIGTERM 0
    else
        kill "${e2e_helpers[0]}" # Xvfb
        clean_end "the display went away" 1
    fi
done
