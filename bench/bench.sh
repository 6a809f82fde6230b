#!/usr/bin/env bash
# Measures the Release build beside a bare Qt Widgets program (the floor) and prints one table.
#   bench.sh BUILD_DIR
# Start-up and idle run the real binary under Xvfb and openbox, as the end-to-end tests do; the memory of
# every window opened and the memory game's idle run bench_session, which reaches the rewards without
# playing; the single steps run bench_work in the process, on Qt's offscreen platform, in its thread's CPU time.
set -euo pipefail
build=$1
bin=$build/pelko-morvelt floor=$build/bench/bench_floor clockmap=$build/bench/bench_mapclock
session=$build/bench/bench_session probe=$build/bench/bench_x11probe
main_title="Pelko-Morvelt (Runde 1)"
. "$(dirname "$0")/../tests/e2e/lib.sh"
trap e2e_cleanup EXIT
runs=${BENCH_RUNS:-25} # fewer only to try the script out
# Wall-clock start-up depends on what else runs: the load is printed with the figures.
load=$(cut -d ' ' -f 1 /proc/loadavg)

# A classroom board's screen, where full screen is measured too.
e2e_start_display 1920x1080
export QT_QPA_FONTDIR=/usr/share/fonts

quartile() { sort -n | awk '{v[NR]=$1} END {i=int((NR+3)/4); print v[i]}'; } # the lower quartile
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
hwm_kib() { awk '/^VmHWM/ {print $2}' "/proc/$1/status"; }
# CPU time of all the process's threads in ns: utime + stime counts in 10 ms ticks, too coarse here.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {printf "%d", s}'; }
stop() { kill "$1" 2>/dev/null || true; while kill -0 "$1" 2>/dev/null; do sleep 0.02; done; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

# Start-up: process start until the window is mapped, program and floor taking turns.
: >"$e2e_dir/prog.ms"
: >"$e2e_dir/floor.ms"
for ((i = 0; i < runs; i++)); do
    read -r ms pid < <("$clockmap" "$main_title" "$bin") && echo "$ms" >>"$e2e_dir/prog.ms" && stop "$pid"
    read -r ms pid < <("$clockmap" Floor "$floor") && echo "$ms" >>"$e2e_dir/floor.ms" && stop "$pid"
done
prog_ms=$(quartile <"$e2e_dir/prog.ms") floor_ms=$(quartile <"$e2e_dir/floor.ms")
# The same, both full screen.
: >"$e2e_dir/prog-full.ms"
: >"$e2e_dir/floor-full.ms"
for ((i = 0; i < runs; i++)); do
    read -r ms pid < <("$clockmap" "$main_title" "$bin" --vollbild) && echo "$ms" >>"$e2e_dir/prog-full.ms" && stop "$pid"
    read -r ms pid < <("$clockmap" Floor "$floor" --vollbild) && echo "$ms" >>"$e2e_dir/floor-full.ms" && stop "$pid"
done
prog_full_ms=$(quartile <"$e2e_dir/prog-full.ms") floor_full_ms=$(quartile <"$e2e_dir/floor-full.ms")

# Peak memory a second after start-up, the median of three starts each.
start_hwm() { local pid && read -r _ pid < <("$clockmap" "$@") && sleep 1 && hwm_kib "$pid" && stop "$pid"; }
prog_kib=$(for i in 1 2 3; do start_hwm "$main_title" "$bin"; done | median)
floor_kib=$(for i in 1 2 3; do start_hwm Floor "$floor"; done | median)
floor_full_kib=$(for i in 1 2 3; do start_hwm Floor "$floor" --vollbild; done | median)

# Runs bench_session until it is ready; sets pid.
session_ready()
{
    coproc SESSION { exec "$session" "$@"; }
    pid=$SESSION_PID
    read -r -t 30 line <&"${SESSION[0]}" && [ "$line" = ready ] || e2e_fail "bench_session $1 did not get ready"
}
session_ready all
all_kib=$(hwm_kib "$pid")
stop "$pid"
session_ready all full
all_full_kib=$(hwm_kib "$pid")
stop "$pid"

# Idle: CPU used in 10 s where nothing moves.
idle_ms() { local before && before=$(cpu_ns "$1") && sleep "${2:-10}" && awk -v d=$(($(cpu_ns "$1") - before)) 'BEGIN {printf "%.1f", d / 1e6}'; }
read -r _ pid < <("$clockmap" "$main_title" "$bin")
sleep 1
idle_start=$(idle_ms "$pid")
# A die starts the game; its roll of ten ticks ends in a task, which waits for the answer.
e2e_find "$main_title"
e2e_click 4680 600 975 975
rolling=$(idle_ms "$pid" 6)
awk "BEGIN {exit !($rolling > 1)}" || e2e_fail "the die did not start a roll: ${rolling} ms CPU in 6 s"
idle_answer=$(idle_ms "$pid")
stop "$pid"
session_ready memo
sleep 1
idle_memo=$(idle_ms "$pid")
stop "$pid"
read -r _ pid < <("$clockmap" "$main_title" "$bin" --vollbild)
sleep 1
idle_full=$(idle_ms "$pid")
stop "$pid"

# Single steps, in the process.
# A 4K screen, where the main window has room for its zoom steps.
work=$(QT_QPA_PLATFORM="offscreen:configfile=$(dirname "$0")/../tests/support/screens.json" "$build/bench/bench_work" 2>/dev/null)
step() { awk -v s="$1" '$1 == s {print $2}' <<<"$work"; }

verdict() { awk "BEGIN {exit !($1)}" && echo met || echo MISSED; }
cpu=$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)
qt=$(qtpaths6 --qt-version 2>/dev/null || echo "?")
echo "Machine: $cpu, $(nproc) cores, Qt $qt; load average $load at the start; $runs start-ups each, lower quartiles"
echo
printf '| %-42s | %12s | %12s | %-18s | %-10s |\n' Measure Program Floor Target Result
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..44})" "$(printf -- '-%.0s' {1..14})" "$(printf -- '-%.0s' {1..14})" \
    "$(printf -- '-%.0s' {1..20})" "$(printf -- '-%.0s' {1..12})"
row() { printf '| %-42s | %12s | %12s | %-18s | %-10s |\n' "$@"; }
ratio=$(awk -v p="$prog_ms" -v f="$floor_ms" 'BEGIN {printf "%.2f", p / f}')
row "Start-up to mapped window (ms)" "$prog_ms" "$floor_ms" "<= 1.1 x floor" "$(verdict "$ratio <= 1.1") ${ratio}x"
row "Peak RSS after start-up (MiB)" "$(mib "$prog_kib")" "$(mib "$floor_kib")" "<= floor + 8" "$(verdict "$prog_kib <= $floor_kib + 8192")"
row "Peak RSS, every window opened once (MiB)" "$(mib "$all_kib")" "$(mib "$floor_kib")" "<= floor + 8" "$(verdict "$all_kib <= $floor_kib + 8192")"
row "Idle CPU, 10 s in the start state (ms)" "$idle_start" "" "< 20" "$(verdict "$idle_start < 20")"
row "Idle CPU, 10 s waiting for an answer (ms)" "$idle_answer" "" "< 20" "$(verdict "$idle_answer < 20")"
row "Idle CPU, 10 s in the memory game (ms)" "$idle_memo" "" "< 20" "$(verdict "$idle_memo < 20")"
ratio_full=$(awk -v p="$prog_full_ms" -v f="$floor_full_ms" 'BEGIN {printf "%.2f", p / f}')
row "Start-up full screen, 1920 x 1080 (ms)" "$prog_full_ms" "$floor_full_ms" "<= 1.1 x floor" "$(verdict "$ratio_full <= 1.1") ${ratio_full}x"
row "Peak RSS full screen, every window (MiB)" "$(mib "$all_full_kib")" "$(mib "$floor_full_kib")" "<= floor + 8" \
    "$(verdict "$all_full_kib <= $floor_full_kib + 8192")"
row "Idle CPU, 10 s full screen (ms)" "$idle_full" "" "< 20" "$(verdict "$idle_full < 20")"
for s in roll_tick:"One roll tick" confirmation:"One confirmation" memory_click:"One memory click" \
    catch_jump:"One catching-game jump" new_sheet:"One new sheet ($(step sheet_tasks) tasks)" \
    zoom_step:"One zoom step of the main window"; do
    limit=1
    [ "${s%%:*}" = new_sheet ] && limit=5
    [ "${s%%:*}" = zoom_step ] && limit=30
    row "${s#*:}, median (ms)" "$(step "${s%%:*}")" "" "< $limit" "$(verdict "$(step "${s%%:*}") < $limit")"
done
