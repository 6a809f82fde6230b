# Helpers the end-to-end scripts source. Each script runs the program on an X display of its own under a
# real window manager (openbox), so windows are framed, placed and closed as on a user's desktop.
# The caller sets `probe` (x11probe) and, to read texts, `a11yprobe`, and calls e2e_cleanup from its exit trap.
#   e2e_until S CMD...         runs CMD every 0.1 s until it succeeds; fails after S seconds
#   e2e_start_display [WxH]    a scratch folder $e2e_dir as HOME, Xvfb (1280x1024) on a free display, and openbox
#   e2e_start_a11y             a session bus and an accessibility bus of their own, for e2e_texts
#   e2e_texts TITLE            what that window says to a screen reader: its objects' names, a line each (\n: break)
#   e2e_start_speech           a speech-dispatcher of its own, which logs every text it is given, without sound
#   e2e_start BINARY [ARG...]  starts the program and waits for its main window; sets main
#   e2e_wait_window TITLE [S]  waits up to S seconds (5) for that window; sets win, win_x, win_y, win_w, win_h
#   e2e_wait_closed ID [S]     waits up to S seconds (5) until window ID is hidden or gone
#   e2e_point LEFT TOP         the screen pixel "X Y" of that point, in twips, of window $win (for xdotool drags),
#                              drawn at $e2e_scale (1) with a margin of $e2e_margin ("0 0")
#   e2e_click LEFT TOP W H     clicks the middle of that rectangle, in twips (15 to a pixel), of window $win
#   e2e_key KEY...             presses keys on whatever has the focus
#   e2e_box TITLE [S]          waits up to S seconds (5) for that box, sets `said` to its texts, closes it by Enter
#   e2e_quit ID                closes the main window ID, then e2e_ended
#   e2e_ended                  fails unless the program ends with status 0 within 5 s
#   e2e_fail MESSAGE           reports and ends the script
e2e_dir="" e2e_pid="" e2e_launcher="" e2e_helpers=()

# A step that fails without a word of its own still says where it stopped.
set -E
trap 'echo "FAIL: line $LINENO of ${BASH_SOURCE[0]##*/}: $BASH_COMMAND" >&2' ERR

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

e2e_until()
{
    local tenths=$(($1 * 10))
    shift
    until "$@"; do [ $((tenths--)) -gt 0 ] && sleep 0.1 || return 1; done
}

e2e_start_display()
{
    e2e_dir=$(mktemp -d)
    # None of the user's settings (printer choice, desktop files) reaches the test; Qt opens a real X window.
    export HOME=$e2e_dir XDG_RUNTIME_DIR=$e2e_dir QT_QPA_PLATFORM=xcb
    unset PRINTER LPDEST
    # No reset when the last client leaves: the probes come and go, and a program connecting then would fail.
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$e2e_dir/display" 2>/dev/null &
    e2e_helpers+=($!)
    e2e_until 10 test -s "$e2e_dir/display" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$e2e_dir/display")"
    # A configuration of its own: no user's or system's menus and key bindings take part.
    mkdir -p "$e2e_dir/.config/openbox"
    printf '%s\n' '<openbox_config xmlns="http://openbox.org/3.4/rc">' '<focus><focusNew>yes</focusNew></focus>' \
        '<placement><policy>Smart</policy></placement>' '<desktops><number>1</number></desktops>' \
        '</openbox_config>' >"$e2e_dir/.config/openbox/rc.xml"
    openbox --config-file "$e2e_dir/.config/openbox/rc.xml" >"$e2e_dir/openbox.log" 2>&1 &
    e2e_helpers+=($!)
    e2e_until 10 e2e_wm_running || e2e_fail "openbox did not start: $(cat "$e2e_dir/openbox.log")"
}

e2e_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

e2e_start_a11y()
{
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$e2e_dir/bus" 2>/dev/null &
    e2e_helpers+=($!)
    e2e_until 10 test -s "$e2e_dir/bus" || e2e_fail "dbus-daemon did not start"
    # Qt hands its widgets to AT-SPI only when it believes a screen reader listens.
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$e2e_dir/bus") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # In a session of its own: ending its process group takes its bus and registry along, not this script.
    setsid /usr/libexec/at-spi-bus-launcher >/dev/null 2>&1 &
    e2e_launcher=$!
    e2e_until 10 "$a11yprobe" 2>/dev/null || e2e_fail "the accessibility bus did not start"
}

e2e_texts() { "$a11yprobe" "$1"; }

e2e_start_speech()
{
    local conf=$e2e_dir/speechd
    mkdir -p "$conf/log"
    cp -r /etc/speech-dispatcher/. "$conf/"
    printf '%s\n' 'LogLevel 5' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
        'DefaultLanguage "de"' 'AudioOutputMethod "libao"' >>"$conf/speechd.conf"
    # No sound card is needed: libao plays into nothing.
    echo default_driver=null >"$e2e_dir/.libao"
    speech-dispatcher -s -t 0 -L "$conf/log" -S "$conf/socket" -C "$conf" -P "$conf/pid" >"$conf/out" 2>&1 &
    e2e_helpers+=($!)
    e2e_until 10 test -S "$conf/socket" || e2e_fail "speech-dispatcher did not start: $(cat "$conf/out")"
    # The program's speech library finds this one, and never starts another.
    export SPEECHD_ADDRESS=unix_socket:$conf/socket SPEECHD_CMD=/bin/false
    e2e_speech_log=$conf/log/speech-dispatcher.log
}

e2e_find() { local found && found=$("$probe" find "$1") && read -r win win_x win_y win_w win_h <<<"$found"; }
e2e_wait_window() { e2e_until "${2:-5}" e2e_find "$1"; }
e2e_gone() { ! "$probe" place "$1" >/dev/null; }
e2e_wait_closed() { e2e_until "${2:-5}" e2e_gone "$1"; }

e2e_start()
{
    "$@" &
    e2e_pid=$!
    e2e_wait_window "Pelko-Morvelt (Runde 1)" 20 || e2e_fail "no window titled \"Pelko-Morvelt (Runde 1)\" within 20 s"
    main=$win
}

e2e_point()
{
    local x y
    read -r x y _ < <("$probe" place "$win") || e2e_fail "window $win is gone"
    awk -v at="$x $y ${e2e_margin:-0 0} $1 $2 ${e2e_scale:-1}" \
        'BEGIN { split(at, v, " "); printf "%d %d\n", v[1] + v[3] + v[5] * v[7] / 15, v[2] + v[4] + v[6] * v[7] / 15 }'
}

# No --sync: it waits for a motion that never comes when the pointer is already there.
e2e_click() { xdotool mousemove $(e2e_point $(($1 + $3 / 2)) $(($2 + $4 / 2))) click 1; }
e2e_key() { xdotool key --delay 50 "$@"; }

e2e_box()
{
    e2e_wait_window "$1" "${2:-5}" || e2e_fail "no box titled \"$1\" came"
    # The screen reader may find the box a moment after it is mapped: read until its buttons are there.
    e2e_until 3 e2e_read_box "$1" || e2e_fail "the box \"$1\" shows no button to a screen reader: $said"
    e2e_key Return
    e2e_wait_closed "$win" || e2e_fail "the box \"$1\" did not close on Enter"
}

e2e_read_box() { said=$(e2e_texts "$1") && grep -qxE 'OK|Ja|Nein' <<<"$said"; }
e2e_gone_pid() { ! kill -0 "$e2e_pid" 2>/dev/null; }
e2e_ended()
{
    e2e_until 5 e2e_gone_pid || e2e_fail "the program still runs 5 s after it was asked to end"
    wait "$e2e_pid" || e2e_fail "the program ended with status $?"
    e2e_pid=""
}
e2e_quit() { "$probe" close "$1" && e2e_ended; }

e2e_cleanup()
{
    # Runs from the exit trap under `set -e`: no step may fail it. Helpers end in the reverse order of their start.
    [ -z "$e2e_launcher" ] || kill -- "-$e2e_launcher" 2>/dev/null || true
    local pid
    for pid in $e2e_pid $(printf '%s\n' "${e2e_helpers[@]}" | tac); do { kill "$pid" && wait "$pid"; } 2>/dev/null || true; done
    [ -z "$e2e_dir" ] || rm -rf "$e2e_dir"
}

# Run rather than sourced: its arguments run on a display of its own, for in-process tests that need a window system.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then trap e2e_cleanup EXIT && e2e_start_display && "$@"; fi
