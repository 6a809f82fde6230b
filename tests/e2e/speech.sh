#!/usr/bin/env bash
# Reading aloud on the real program: German help and version, the first task said through a
# speech-dispatcher of the test's own, and one clear box where nothing can speak.
set -euo pipefail
probe=$2 a11yprobe=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

help=$("$1" --help) || e2e_fail "--help ended with status $?"
grep -q '^Aufruf: pelko-morvelt \[Optionen\]' <<<"$help" || e2e_fail "--help is not German: $help"
grep -q -- '--vorlesen' <<<"$help" && grep -q 'F8' <<<"$help" || e2e_fail "--help names no reading aloud: $help"
[ "$("$1" --version)" = "Pelko-Morvelt 0.1" ] || e2e_fail "--version says: $("$1" --version)"
! "$1" --laut 2>"$e2e_dir.err" && grep -q 'unbekannte Option' "$e2e_dir.err" || e2e_fail "a wrong option is not refused in German"
rm -f "$e2e_dir.err"

e2e_start_display
e2e_start_a11y
e2e_start_speech
e2e_start "$1" --vorlesen
win=$main
said() { grep -aoE "Queueing message \|[^|]*\|" "$e2e_speech_log" | sed -e 's/^Queueing message |//' -e 's/|$//'; }
heard() { said | grep -qE "$1"; }
e2e_until 10 heard '^Vorlesen ist eingeschaltet\.$' || e2e_fail "nothing reached the speech service: $(said)"
e2e_click 4680 600 975 975 # a die starts the game; the first task stands after the roll
# The first task starts where the arrow stands at the start, at 50.
e2e_until 10 heard '^(Freund|Computer) ist dran! 50 (plus|minus) [0-9]+\.$' ||
    e2e_fail "the first task was not said: $(said)"
e2e_quit "$main"

# Nothing answers: the child is told once, and the game goes on.
export SPEECHD_ADDRESS=unix_socket:$e2e_dir/nobody
e2e_start "$1" --vorlesen
e2e_box "Pelko-Morvelt: Vorlesen"
grep -q 'Vorlesen ist auf diesem Rechner nicht möglich' <<<"$said" || e2e_fail "the box says: $said"
e2e_key F8
sleep 1
! "$probe" find "Pelko-Morvelt: Vorlesen" >/dev/null || e2e_fail "a second box came"
e2e_quit "$main"
