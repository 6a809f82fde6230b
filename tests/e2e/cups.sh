# A CUPS server of the test's own, sourced after lib.sh. Its configuration, socket, spool and logs live
# under $e2e_dir/cups, so parallel runs never meet and the machine's own CUPS and printers stay untouched.
#   cups_start         starts cupsd and exports CUPS_SERVER (its socket); e2e_cleanup ends it
#   cups_add_queue Q   adds the raw queue Q as the default; each job becomes $cups_dir/jobs/job-N.pdf
#   cups_has_jobs N    whether N jobs have reached the printer

cups_start()
{
    cups_dir=$e2e_dir/cups
    local bin=$cups_dir/serverbin user=lp group=lp d
    mkdir -p "$cups_dir"/{spool/tmp,cache,state,log,jobs} "$bin/backend"
    for d in filter daemon cgi-bin driver monitor notifier; do ln -s "/usr/lib/cups/$d" "$bin/$d"; done
    # The test backend: with no arguments it names its device; otherwise it copies the job (the file in $6,
    # else standard input) into the jobs folder. Mode 0700 makes cupsd run it as its owner.
    cat >"$bin/backend/testjob" <<'END'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct testjob "Unknown" "Pelko-Morvelt test backend"'; exit 0; }
out=${DEVICE_URI#testjob:}
cat ${6:+"$6"} >"$out/.job-$1" && mv "$out/.job-$1" "$out/job-$1.pdf"
END
    chmod 0700 "$bin/backend/testjob"
    # As root cupsd refuses to run its children as root; lp is Debian's own choice.
    [ "$(id -u)" -eq 0 ] || { user=$(id -un) && group=$(id -gn); }
    printf '%s\n' "User $user" "Group $group" "SystemGroup $(id -gn)" "ServerRoot $cups_dir" "ServerBin $bin" \
        "RequestRoot $cups_dir/spool" "TempDir $cups_dir/spool/tmp" "CacheDir $cups_dir/cache" \
        "StateDir $cups_dir/state" "ErrorLog $cups_dir/log/error" "AccessLog $cups_dir/log/access" \
        "PageLog $cups_dir/log/page" >"$cups_dir/cups-files.conf"
    printf '%s\n' "Listen $cups_dir/cups.sock" "WebInterface No" "Browsing No" "<Policy default>" "<Limit All>" \
        "Order deny,allow" "</Limit>" "</Policy>" >"$cups_dir/cupsd.conf"
    cupsd -f -c "$cups_dir/cupsd.conf" -s "$cups_dir/cups-files.conf" >"$cups_dir/log/out" 2>&1 &
    e2e_helpers+=($!)
    export CUPS_SERVER=$cups_dir/cups.sock
    e2e_until 10 lpstat -r >/dev/null 2>&1 || e2e_fail "the private cupsd did not come up: $(cat "$cups_dir"/log/*)"
}

# Raw passes the program's PDF through unchanged, so pdftotext can read it back.
cups_add_queue() { lpadmin -p "$1" -E -v "testjob:$cups_dir/jobs" -m raw && lpadmin -d "$1"; }
cups_has_jobs() { [ "$(find "$cups_dir/jobs" -name 'job-*.pdf' | wc -l)" -ge "$1" ]; }
