#!/usr/bin/env bash
# The mutation check: each line of tests/mutants.txt breaks one rule with a one-line change, and the
# named test must fail on it. Runs in a scratch copy, so the working tree is never touched.
# Usage: scripts/mutants.sh [PATTERN]  (only the mutants whose line matches PATTERN)
# MUTANTS_TABLE=file runs another table. SHARD=k/n runs every n-th of them from the k-th, so that n runs with their own MUTANTS_DIR share the work.
set -uo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
table=${MUTANTS_TABLE:-$src/tests/mutants.txt}
scratch=${MUTANTS_DIR:-${TMPDIR:-/tmp}/pelko-mutants}
pattern=${1:-}
SHARD=${SHARD:-1/1}

rm -rf "$scratch/next" && mkdir -p "$scratch/next" "$scratch/src"
git -C "$src" ls-files -co --exclude-standard | tar -C "$src" -cf - -T - | tar -C "$scratch/next" -xf -
# Only what changed since an earlier run is copied, with a new time, so the build left from it redoes exactly that.
(cd "$scratch/next" && find . -type f) | while read -r file; do
    cmp -s "$scratch/next/$file" "$scratch/src/$file" && continue
    mkdir -p "$(dirname "$scratch/src/$file")" && cp "$scratch/next/$file" "$scratch/src/$file"
done
cmake -S "$scratch/src" -B "$scratch/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null ||
    exit 1
cmake --build "$scratch/build" -j2 >/dev/null 2>&1 || { echo "The unchanged code does not build." >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts
n=0 caught=0 survived=0 stale=0
printf '%-4s %-9s %-26s %-24s %s\n' no result test file change
while IFS=$'\t' read -r file from to tests; do
    [[ -z "$file" || "$file" == \#* ]] && continue
    [[ -n "$pattern" && "$file $from $to $tests" != *"$pattern"* ]] && continue
    n=$((n + 1))
    [ $(((n - 1) % ${SHARD#*/})) -eq $((${SHARD%/*} - 1)) ] || continue
    [ "$to" = "(removed)" ] && to=""
    target="$scratch/src/$file"
    cp "$target" "$scratch/original"
    # The change must stand exactly once, or the table has gone stale.
    count=$(FROM="$from" perl -0ne '(my $f = $ENV{FROM}) =~ s/\\n/\n/g; my $n = () = /\Q$f\E/g; print $n' "$target")
    if [ "$count" != 1 ]; then
        result="stale($count)"
        stale=$((stale + 1))
    else
        FROM="$from" TO="$to" perl -0pi -e '(my $f = $ENV{FROM}) =~ s/\\n/\n/g; (my $t = $ENV{TO}) =~ s/\\n/\n/g; s/\Q$f\E/$t/' "$target"
        # Only what the named tests run is built: the end-to-end tests run the program itself.
        targets=$(tr '|' '\n' <<<"$tests" | sed -e 's/^e2e_.*/pelko-morvelt x11probe a11yprobe/' | sort -u)
        # shellcheck disable=SC2086
        if ! cmake --build "$scratch/build" -j2 --target $targets >/dev/null 2>&1; then
            result="nobuild"
            stale=$((stale + 1))
        elif ctest --test-dir "$scratch/build" -R "^($tests)\$" --timeout 300 >/dev/null 2>&1; then
            result="SURVIVED"
            survived=$((survived + 1))
        else
            result="caught"
            caught=$((caught + 1))
        fi
    fi
    cp -p "$scratch/original" "$target"
    touch "$target"
    printf '%-4s %-9s %-26s %-24s %s -> %s\n' "$n" "$result" "$tests" "$file" "$from" "$to"
done <"$table"
cmake --build "$scratch/build" -j2 >/dev/null 2>&1
echo "$n mutants: $caught caught, $survived survived, $stale stale or not building"
[ "$survived" -eq 0 ] && [ "$stale" -eq 0 ]
