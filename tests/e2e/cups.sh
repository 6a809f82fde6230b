# A CUPS server of the test's own, sourced by the end-to-end scripts. Its
# configuration, socket, spool and logs live under one folder, so parallel runs
# never meet and the machine's own CUPS and printers stay untouched.
#   cups_start DIR      starts cupsd under DIR and exports CUPS_SERVER (its socket)
#   cups_add_queue Q    adds the raw queue Q, made the default; each job becomes DIR/jobs/*.pdf
#   cups_wait_jobs N    waits until N job files are complete
#   cups_stop           ends cupsd (call it from the script's exit trap)

cups_dir=""
cups_pid=""

cups_start()
{
    cups_dir=$1
    local bin=$cups_dir/serverbin
    mkdir -p "$cups_dir"/{conf,spool/tmp,cache,state,log,jobs} "$bin/backend"
    local d
    for d in filter daemon cgi-bin driver monitor notifier; do
        [ -e "/usr/lib/cups/$d" ] && ln -s "/usr/lib/cups/$d" "$bin/$d"
    done

    # The test backend: with no arguments it names its device; otherwise it
    # copies the job (file in $6, else standard input) into the jobs folder.
    cat >"$bin/backend/testjob" <<'EOF'
#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct testjob "Unknown" "Pelko-Morvelt test backend"'
    exit 0
fi
out=${DEVICE_URI#testjob:}
tmp="$out/.job-$1"
if [ -n "$6" ]; then cat "$6" >"$tmp"; else cat >"$tmp"; fi || exit 1
mv "$tmp" "$out/job-$1.pdf"
EOF
    # Mode 0700 owned by the caller makes cupsd run it as root when we are root.
    chmod 0700 "$bin/backend/testjob"

    # As root cupsd refuses to run its children as root; lp is Debian's own choice.
    local user=lp group=lp
    if [ "$(id -u)" -ne 0 ]; then
        user=$(id -un)
        group=$(id -gn)
    fi

    cat >"$cups_dir/conf/cups-files.conf" <<EOF
User $user
Group $group
SystemGroup $(id -gn)
ServerRoot $cups_dir/conf
ServerBin $bin
RequestRoot $cups_dir/spool
TempDir $cups_dir/spool/tmp
CacheDir $cups_dir/cache
StateDir $cups_dir/state
ErrorLog $cups_dir/log/error_log
AccessLog $cups_dir/log/access_log
PageLog $cups_dir/log/page_log
EOF
    cat >"$cups_dir/conf/cupsd.conf" <<EOF
Listen $cups_dir/cups.sock
WebInterface No
Browsing No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cupsd -t -c "$cups_dir/conf/cupsd.conf" -s "$cups_dir/conf/cups-files.conf" >"$cups_dir/log/check" 2>&1 ||
        { echo "FAIL: cupsd rejects the test configuration:" >&2; cat "$cups_dir/log/check" >&2; return 1; }
    cupsd -f -c "$cups_dir/conf/cupsd.conf" -s "$cups_dir/conf/cups-files.conf" >"$cups_dir/log/stdout" 2>&1 &
    cups_pid=$!
    export CUPS_SERVER=$cups_dir/cups.sock
    local _
    for _ in $(seq 1 100); do
        lpstat -r >/dev/null 2>&1 && return 0
        kill -0 "$cups_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "FAIL: the private cupsd did not come up:" >&2
    cat "$cups_dir/log/stdout" "$cups_dir/log/error_log" >&2 2>/dev/null
    return 1
}

cups_add_queue()
{
    # Raw passes the program's PDF through unchanged, so pdftotext can read it back.
    lpadmin -p "$1" -E -v "testjob:$cups_dir/jobs" -m raw 2>"$cups_dir/log/lpadmin" &&
        lpadmin -d "$1" 2>>"$cups_dir/log/lpadmin" ||
        { echo "FAIL: lpadmin could not add queue $1:" >&2; cat "$cups_dir/log/lpadmin" >&2; return 1; }
}

cups_wait_jobs()
{
    local _
    for _ in $(seq 1 100); do
        [ "$(find "$cups_dir/jobs" -name 'job-*.pdf' | wc -l)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

cups_stop()
{
    [ -n "$cups_pid" ] || return 0
    kill "$cups_pid" 2>/dev/null || true
    wait "$cups_pid" 2>/dev/null || true
    cups_pid=""
}
