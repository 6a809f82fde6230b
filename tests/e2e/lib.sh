# Steps the end-to-end scripts share, sourced by them: a display of their own, the
# program's windows found by title, and clicks at the places the window designs give
# in twips (15 to a pixel). There is no window manager, so a window's client area
# sits where the program put it and keyboard focus follows the program's own requests.
#   e2e_start_display           a scratch folder $e2e_dir as HOME, and Xvfb on the first free display
#   e2e_start_a11y              a session bus and an accessibility bus of their own, so that
#                               e2e_texts TITLE and e2e_objects TITLE can tell what a window says
#                               (as a screen reader reads it)
#   e2e_wait_window TITLE [S]   waits up to S seconds (5) for that window; sets win, win_x, win_y, win_w, win_h
#   e2e_wait_closed TITLE ID [S] waits until window ID of that title is gone
#   e2e_click LEFT TOP WIDTH HEIGHT   clicks the middle of that rectangle (twips) of window $win
#   e2e_key KEY...              presses keys on whatever has the focus, as a user does
#   e2e_run BINARY              starts the program in the background
#   e2e_quit                    closes the main window and waits for the program to end
#   e2e_fail MESSAGE            reports and ends the script
# The caller sets `probe` to the x11probe binary (and `a11yprobe` for texts) and calls
# e2e_cleanup from its exit trap.

e2e_dir=""
e2e_xvfb=""
e2e_pid=""
e2e_bus=""
e2e_launcher=""

# A step that fails without a word of its own still says where it stopped.
set -E
trap 'echo "FAIL: line $LINENO of ${BASH_SOURCE[0]##*/}: $BASH_COMMAND" >&2' ERR

e2e_fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

e2e_start_display()
{
    e2e_dir=$(mktemp -d)
    # Nothing of the user's own settings (printer choice, desktop files) reaches the test.
    export HOME=$e2e_dir XDG_RUNTIME_DIR=$e2e_dir
    unset PRINTER LPDEST
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$e2e_dir/display" 2>/dev/null &
    e2e_xvfb=$!
    local _
    for _ in $(seq 1 100); do [ -s "$e2e_dir/display" ] && break; sleep 0.1; done
    [ -s "$e2e_dir/display" ] || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$e2e_dir/display")"
    # A real X window, whatever platform the calling shell asked Qt for.
    export QT_QPA_PLATFORM=xcb
}

e2e_start_a11y()
{
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$e2e_dir/bus" 2>/dev/null &
    e2e_bus=$!
    local _
    for _ in $(seq 1 100); do [ -s "$e2e_dir/bus" ] && break; sleep 0.1; done
    [ -s "$e2e_dir/bus" ] || e2e_fail "dbus-daemon did not start"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$e2e_dir/bus")
    # In a session of its own: it ends its whole process group when it ends, and it
    # should take its own bus and registry along, not this script.
    setsid /usr/libexec/at-spi-bus-launcher >/dev/null 2>&1 &
    e2e_launcher=$!
    for _ in $(seq 1 100); do
        "$a11yprobe" >/dev/null 2>&1 && break
        sleep 0.1
    done
    # Qt hands its widgets to AT-SPI only when it believes a screen reader listens.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The objects inside the window of that title, "ROLE: NAME" a line with " [checked]" or
# " [focused]" after it where set; line breaks in names read \n.
e2e_objects()
{
    "$a11yprobe" | awk -v title="$1" '
        { match($0, /^ */); depth = RLENGTH; line = substr($0, depth + 1) }
        inside && depth <= top { inside = 0 }
        inside { print line }
        !inside {
            name = substr(line, index(line, ": ") + 2)
            sub(/( \[checked\])?( \[focused\])?$/, "", name)
            if (name == title) { inside = 1; top = depth }
        }'
}

# What the window of that title says: the names of its objects, one a line, empty ones left out.
e2e_texts()
{
    e2e_objects "$1" | sed -e 's/^[^:]*: //' -e 's/\( \[checked\]\)\{0,1\}\( \[focused\]\)\{0,1\}$//' | grep -v '^$' || true
}

e2e_wait_window()
{
    local title=$1 tenths=$((${2:-5} * 10)) found="" _
    for _ in $(seq 0 "$tenths"); do
        found=$("$probe" find "$title") && break
        [ "$tenths" -gt 0 ] && sleep 0.1
    done
    [ -n "$found" ] || return 1
    read -r win win_x win_y win_w win_h <<<"$found"
}

e2e_wait_closed()
{
    local title=$1 id=$2 tenths=$((${3:-5} * 10)) found _
    for _ in $(seq 0 "$tenths"); do
        found=$("$probe" find "$title") || return 0
        [ "${found%% *}" != "$id" ] && return 0
        sleep 0.1
    done
    return 1
}

e2e_click()
{
    local place left top
    place=$("$probe" place "$win") || e2e_fail "window $win is gone"
    read -r left top _ <<<"$place"
    # No --sync: it waits for a motion that never comes when the pointer is already there.
    xdotool mousemove $((left + ($1 + $3 / 2) / 15)) $((top + ($2 + $4 / 2) / 15)) click 1
}

e2e_key()
{
    xdotool key --delay 50 "$@"
}

e2e_run()
{
    "$1" &
    e2e_pid=$!
}

e2e_quit()
{
    "$probe" close "$1"
    local _ status=0
    for _ in $(seq 1 50); do
        if ! kill -0 "$e2e_pid" 2>/dev/null; then
            wait "$e2e_pid" || status=$?
            e2e_pid=""
            [ "$status" -eq 0 ] || e2e_fail "the program ended with status $status"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the program still runs 5 s after its main window was closed"
}

e2e_cleanup()
{
    # Runs from the exit trap under `set -e`: no step may fail it.
    local pid
    [ -z "$e2e_launcher" ] || kill -- "-$e2e_launcher" 2>/dev/null || true
    for pid in "$e2e_pid" "$e2e_launcher" "$e2e_bus" "$e2e_xvfb"; do
        [ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; } || true
    done
    [ -z "$e2e_dir" ] || rm -rf "$e2e_dir"
}
