#!/usr/bin/env bash
# make bench: the performance table of both programs, each figure with the command behind it.
# usage: scripts/bench.sh BUILD_DIR
set -u
BUILD=$(cd "$1" && pwd)
BIN=$BUILD/bin
SCRATCH=$(mktemp -d)
export XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data HOME=$SCRATCH/home LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/Tobberly" "$HOME"
CONF=$XDG_CONFIG_HOME/Tobberly/Tobberly.conf
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
switches() { awk '/ctxt_switches/ {s += $2} END {print s}' "/proc/$1/status"; }
rss_mb() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

row() { printf '| %-46s | %14s | %s\n' "$1" "$2" "$3"; }

run_under_display() {
    # One display for all measurements.
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
    fi
}
run_under_display "$@"

printf '[setting]\nFirstflag=1\nLoveval=50\n' >"$CONF"
echo "| measure                                        |          value | command"
echo "|------------------------------------------------|----------------|--------"

# Start to first painted frame, median of 5.
times=()
for _ in 1 2 3 4 5; do
    start=$(date +%s%3N)
    TOBBERLY_REPORT_FIRST_PAINT=1 "$BIN/lunetta" --at 2026-12-07T12:30 >"$SCRATCH/out" 2>/dev/null &
    pid=$!
    for _ in $(seq 200); do grep -q first-paint "$SCRATCH/out" && break; sleep 0.02; done
    painted=$(awk '/first-paint/ {print $2}' "$SCRATCH/out")
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    [ -n "$painted" ] && times+=($((painted - start)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
row "start to first painted frame (median of 5)" "${median:-?} ms" "TOBBERLY_REPORT_FIRST_PAINT=1 lunetta --at 2026-12-07T12:30"

# An ordinary event (lunch) for 60 s: memory, CPU, wake-ups.
"$BIN/lunetta" --at 2026-12-07T12:30 >/dev/null 2>&1 &
pid=$!
sleep 5
rss5=$(rss_mb $pid)
c0=$(cpu_ticks $pid)
s0=$(switches $pid)
sleep 60
c1=$(cpu_ticks $pid)
s1=$(switches $pid)
rss60=$(rss_mb $pid)
kill $pid
wait $pid 2>/dev/null
row "resident memory after 5 s" "$rss5 MB" "lunetta --at 2026-12-07T12:30; VmRSS"
row "resident memory after 60 s" "$rss60 MB" "same; VmRSS"
row "CPU over 60 s of an ordinary event (lunch)" "$(awk -v c=$((c1 - c0)) -v t=$ticks 'BEGIN{printf "%.2f s", c/t}')" "same; utime+stime of /proc/PID/stat"
row "context switches a second, same minute" "$(awk -v s=$((s1 - s0)) 'BEGIN{printf "%.1f", s/60}')" "same; ctxt_switches of /proc/PID/status"

# A game running: the panel-flip game, waiting for the user, for 10 s.
"$BIN/korrigo" -a >/dev/null 2>&1 &
pid=$!
sleep 2
c0=$(cpu_ticks $pid)
sleep 10
c1=$(cpu_ticks $pid)
kill $pid
wait $pid 2>/dev/null
row "CPU of korrigo over 10 s of a game" "$(awk -v c=$((c1 - c0)) -v t=$ticks 'BEGIN{printf "%.2f s", c/t}')" "korrigo -a; utime+stime"

# Thirty simulated days.
start=$(date +%s%3N)
"$BIN/lunetta" --simulate 2026-12-01T00:00 --minutes 43200 --seed 7 >"$SCRATCH/sim" 2>/dev/null
end=$(date +%s%3N)
row "30 simulated days" "$((end - start)) ms" "lunetta --simulate 2026-12-01T00:00 --minutes 43200 --seed 7 ($(wc -l <"$SCRATCH/sim") lines)"

# Word lists with 100 000 learned words.
row "word lists with 100 000 learned words" "$("$BUILD/toolbin/dictbench" "$BIN/dat")" "dictbench bin/dat"
rm -rf "$SCRATCH"
