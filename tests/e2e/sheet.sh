# Reads a printed worksheet back from its PDF, sourced by the end-to-end scripts.
#   sheet_read PDF OUT        checks that the PDF is one page of up to 30 rows in three columns,
#                             filled column by column, and writes its lines to OUT in list order,
#                             one "FIRST SIGN OPERAND RESULT" a line
#   sheet_check_tasks OUT     the first line shows its first number, every other place is underscores
#   sheet_check_solutions OUT every line is right, and each result is the next line's first number
#   sheet_check_pair TASKS SOLUTIONS   line i of both has the same sign and operand

sheet_read()
{
    local pdf=$1 out=$2 pages
    pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    [ "$pages" = 1 ] || { echo "$pdf has ${pages:-no} pages instead of one" >&2; return 1; }
    # -layout keeps the columns apart; the blanks inside a line are only roughly kept, so the
    # line is read as its five parts.
    pdftotext -layout "$pdf" - | tr -d '\f' | awk '
        BEGIN { rows = 0 }
        NF == 0 { next }
        {
            if (NF % 5 != 0 || NF > 15) { printf "row %d is not one to three worksheet lines: %s\n", rows, $0 > "/dev/stderr"; bad = 1 }
            for (i = 0; i * 5 < NF; ++i) {
                f = $(i * 5 + 1); s = $(i * 5 + 2); o = $(i * 5 + 3); e = $(i * 5 + 4); r = $(i * 5 + 5)
                if (f !~ /^([0-9]+|_+)$/ || s !~ /^[+-]$/ || o !~ /^[0-9]+$/ || e != "=" || r !~ /^([0-9]+|_+)$/) {
                    printf "row %d holds no worksheet line at column %d: %s\n", rows, i + 1, $0 > "/dev/stderr"; bad = 1
                }
                line[rows, i] = f " " s " " o " " r
            }
            count[rows++] = NF / 5; total += NF / 5
        }
        END {
            if (rows > 30) { printf "%d rows instead of at most 30\n", rows > "/dev/stderr"; bad = 1 }
            # Column by column: row r holds one line for each column c with r + 30 c < total.
            for (r = 0; r < rows; ++r) {
                want = 0
                for (c = 0; c < 3; ++c) if (r + 30 * c < total) ++want
                if (count[r] != want) { printf "row %d holds %d lines, not %d of %d filled column by column\n", r, count[r], want, total > "/dev/stderr"; bad = 1 }
            }
            if (total == 0) { print "the page is empty" > "/dev/stderr"; bad = 1 }
            for (c = 0; c < 3; ++c) for (r = 0; r < 30; ++r) if ((r, c) in line) print line[r, c]
            exit bad
        }' >"$out"
}

sheet_check_tasks()
{
    awk '
        NR == 1 && $1 !~ /^[0-9]+$/ { print "the first task does not show its first number: " $0; bad = 1 }
        NR > 1 && $1 !~ /^_+$/ { print "task " NR " shows a first number: " $0; bad = 1 }
        $4 !~ /^_+$/ { print "task " NR " shows its result: " $0; bad = 1 }
        END { exit bad }' "$1" >&2
}

sheet_check_solutions()
{
    # Every sheet starts in the middle of its range and stays in it.
    awk '
        NR == 1 { base = $1 - 50; if (base % 100 != 0) { print "the sheet starts at " $1; bad = 1 } }
        NR > 1 && $1 != previous { print "line " NR " does not start from the result before it: " $0; bad = 1 }
        { want = $2 == "+" ? $1 + $3 : $1 - $3 }
        $4 != want { print "line " NR " is wrong: " $0; bad = 1 }
        $4 < base || $4 > base + 100 { print "line " NR " leaves the range: " $0; bad = 1 }
        { previous = $4 }
        END { exit bad }' "$1" >&2
}

sheet_check_pair()
{
    local tasks solutions
    tasks=$(awk '{ print $2, $3 }' "$1")
    solutions=$(awk '{ print $2, $3 }' "$2")
    [ "$tasks" = "$solutions" ] || { echo "the tasks and the solutions are not the same sheet" >&2; return 1; }
    [ "$(head -n 1 "$1" | cut -d' ' -f1)" = "$(head -n 1 "$2" | cut -d' ' -f1)" ] ||
        { echo "the tasks and the solutions start from different numbers" >&2; return 1; }
}
