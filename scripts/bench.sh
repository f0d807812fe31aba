#!/usr/bin/env bash
# make bench: both programs measured side by side with a bare Qt window (toolbin/reference) on the
# same display in the same run, each figure with the reference's, the ratio and the command.
# usage: scripts/bench.sh BUILD_DIR [SECONDS]   (SECONDS: length of each steady measurement, 60)
# BENCH_ONLY=lunch,asleep (any of start lunch bath asleep asleep2 game sim, and lunch-instr bath-instr
# asleep-instr) takes those figures alone.
# The *-instr figures count the instructions both sides run in user space (valgrind's callgrind),
# which do not swing with the machine's load as CPU time does; they need valgrind.
set -u
BUILD=$(cd "$1" && pwd)
SPAN=${2:-60}
BIN=$BUILD/bin
REF=$BUILD/toolbin/reference
ROUNDS=11 # start-up rounds; each starts the reference and the pet once, in turn

run_under_display() {
    # One display for all measurements, with no window manager: both sides get the same. A session
    # bus as on a desktop: without one, every Qt program would start its own bus daemon.
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
    fi
    if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
        exec dbus-run-session -- "$0" "$@"
    fi
}
run_under_display "$@"

SCRATCH=$(mktemp -d)
# A desktop session's runtime folder, in memory as a session manager makes it (both sides get it).
RUNTIME=$(mktemp -d /dev/shm/bench-runtime.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$SCRATCH" "$RUNTIME"' EXIT
export XDG_RUNTIME_DIR=$RUNTIME
# Both sides say when their picture is first painted.
export LC_ALL=C.UTF-8 HOME=$SCRATCH/home TOBBERLY_REPORT_FIRST_PAINT=1
mkdir -p "$HOME"

# The reference's picture: the first 150 x 220 frame of the lunch strip, a GIF like the pet's.
REFPIC=$SCRATCH/picture.gif
convert "$BIN/gif/pimmo18.gif[0]" -crop 150x220+0+0 +repage "$REFPIC" 2>/dev/null || REFPIC=

# Each program gets a store and a home of its own, a pet that has met the user before with a
# middling friendship (no opening lines), the minutes they have spent together and the minutes
# towards the next present counted, as every run after the first finds them, and no absence since
# its last run.
fresh_home() {
    local dir=$SCRATCH/$1
    rm -rf "$dir"
    mkdir -p "$dir/config/Tobberly" "$dir/data" "$dir/home"
    printf '[setting]\nFirstflag=1\nLoveval=50\nPrecount=10\nTotaltime=1000\n' >"$dir/config/Tobberly/Tobberly.conf"
    echo "$dir"
}
in_home() { # DIR CMD...: becomes CMD with DIR's store and home (run it in the background or a subshell)
    local dir=$1
    shift
    exec env XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" HOME="$dir/home" "$@"
}

# Figures of a running process, summed over its threads (Qt keeps a thread reading the display).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s + 0}'; }
# A wake-up is a thread going to sleep and being woken: a voluntary switch. Switches forced by other
# programs' load are left out, so a busy machine does not count against either side.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s + 0}'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

want() { [ -z "${BENCH_ONLY:-}" ] || [[ ",$BENCH_ONLY," == *",$1,"* ]]; }

median() { sort -n | awk '{v[NR] = $1} END {if (NR) print v[int((NR + 1) / 2)]; else print ""}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (a == "" || b == "" || b == 0) print "?"; else printf "%.2f×", a / b}'; }

# start_ms NAME DIR CMD...: milliseconds from launch to the first painted picture.
start_ms() {
    local name=$1 dir=$2 out t0 painted pid
    shift 2
    out=$SCRATCH/$name.out
    : >"$out"
    t0=${EPOCHREALTIME/./}
    in_home "$dir" "$@" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 500); do grep -q first-paint "$out" && break; sleep 0.02; done
    painted=$(awk '/first-paint/ {print $2}' "$out")
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -n "$painted" ] && echo $((painted - t0 / 1000))
}

if want start; then
echo "start to first paint: $ROUNDS rounds, the reference and the pet in turn…" >&2
: >"$SCRATCH/start.ref"
: >"$SCRATCH/start.pet"
for i in $(seq "$ROUNDS"); do
    # The order alternates, so neither side always runs on a freshly warmed cache.
    if [ $((i % 2)) = 1 ]; then
        start_ms ref "$(fresh_home ref)" "$REF" $REFPIC >>"$SCRATCH/start.ref"
        start_ms pet "$(fresh_home pet)" "$BIN/lunetta" --at 2026-12-07T12:30 >>"$SCRATCH/start.pet"
    else
        start_ms pet "$(fresh_home pet)" "$BIN/lunetta" --at 2026-12-07T12:30 >>"$SCRATCH/start.pet"
        start_ms ref "$(fresh_home ref)" "$REF" $REFPIC >>"$SCRATCH/start.ref"
    fi
done
START_REF=$(median <"$SCRATCH/start.ref")
START_PET=$(median <"$SCRATCH/start.pet")
fi

# side_by_side NAME CMD...: CMD and the reference (with REF_ARGS) run at the same time for SPAN
# seconds after settling for 5; sets M_CPU_* (ms of CPU a minute), M_WAKE_* (wake-ups a second),
# M_RSS_* (MB at the end).
REF_ARGS=()
side_by_side() {
    local name=$1 pid ref c0 c1 w0 w1 r0 r1 rw0 rw1
    shift
    echo "$name: $SPAN s beside the reference…" >&2
    in_home "$(fresh_home "$name")" "$@" >/dev/null 2>&1 &
    pid=$!
    in_home "$(fresh_home "ref-$name")" "$REF" "${REF_ARGS[@]}" $REFPIC >/dev/null 2>&1 &
    ref=$!
    sleep 5
    c0=$(cpu_ns $pid) w0=$(wakeups $pid) r0=$(cpu_ns $ref) rw0=$(wakeups $ref)
    sleep "$SPAN"
    c1=$(cpu_ns $pid) w1=$(wakeups $pid) r1=$(cpu_ns $ref) rw1=$(wakeups $ref)
    M_RSS_PET=$(rss_kb $pid) M_RSS_REF=$(rss_kb $ref)
    kill $pid $ref 2>/dev/null
    wait $pid $ref 2>/dev/null
    # CPU in milliseconds a minute, wake-ups a second.
    M_CPU_PET=$(awk -v d=$((c1 - c0)) -v s="$SPAN" 'BEGIN {printf "%.1f", d / 1e6 * 60 / s}')
    M_CPU_REF=$(awk -v d=$((r1 - r0)) -v s="$SPAN" 'BEGIN {printf "%.1f", d / 1e6 * 60 / s}')
    M_WAKE_PET=$(awk -v d=$((w1 - w0)) -v s="$SPAN" 'BEGIN {printf "%.2f", d / s}')
    M_WAKE_REF=$(awk -v d=$((rw1 - rw0)) -v s="$SPAN" 'BEGIN {printf "%.2f", d / s}')
    M_RSS_PET=$(awk -v k="${M_RSS_PET:-0}" 'BEGIN {printf "%.1f", k / 1024}')
    M_RSS_REF=$(awk -v k="${M_RSS_REF:-0}" 'BEGIN {printf "%.1f", k / 1024}')
}

# The instructions counted in a callgrind file's dump asked for: its first part (.1); what ran after
# it went to the file itself at the exit.
cg_total() { awk '/^totals:/ {print $2; exit}' "$1.1" 2>/dev/null; }

# side_by_side_instr NAME CMD...: CMD and the reference under callgrind, counting from 5 s after both
# first painted, for SPAN seconds; sets M_INSTR_PET and M_INSTR_REF (millions of instructions a
# minute, every thread, user space). Valgrind runs them many times slower, so each waits for its
# own first paint rather than a fixed time.
side_by_side_instr() {
    local name=$1 pid ref p
    shift
    M_INSTR_PET= M_INSTR_REF=
    command -v valgrind >/dev/null && command -v callgrind_control >/dev/null || return 0
    echo "$name: $SPAN s of instructions beside the reference (callgrind)…" >&2
    local vg=(valgrind --tool=callgrind --instr-atstart=no)
    in_home "$(fresh_home "$name")" "${vg[@]}" --callgrind-out-file="$SCRATCH/$name.pet.cg" "$@" \
        >"$SCRATCH/$name.pet.out" 2>/dev/null &
    pid=$!
    in_home "$(fresh_home "ref-$name")" "${vg[@]}" --callgrind-out-file="$SCRATCH/$name.ref.cg" \
        "$REF" "${REF_ARGS[@]}" $REFPIC >"$SCRATCH/$name.ref.out" 2>/dev/null &
    ref=$!
    for _ in $(seq 600); do
        grep -qs first-paint "$SCRATCH/$name.pet.out" && grep -qs first-paint "$SCRATCH/$name.ref.out" && break
        sleep 0.1
    done
    sleep 5
    for p in $pid $ref; do
        callgrind_control -i on $p >/dev/null 2>&1
        callgrind_control -z $p >/dev/null 2>&1
    done
    sleep "$SPAN"
    callgrind_control -d $pid >/dev/null 2>&1
    callgrind_control -d $ref >/dev/null 2>&1
    kill $pid $ref 2>/dev/null
    wait $pid $ref 2>/dev/null
    M_INSTR_PET=$(awk -v n="$(cg_total "$SCRATCH/$name.pet.cg")" -v s="$SPAN" 'BEGIN {if (n != "") printf "%.2f", n / 1e6 * 60 / s}')
    M_INSTR_REF=$(awk -v n="$(cg_total "$SCRATCH/$name.ref.cg")" -v s="$SPAN" 'BEGIN {if (n != "") printf "%.2f", n / 1e6 * 60 / s}')
}

ROWS=$SCRATCH/rows
: >"$ROWS"
# row FIGURE PROGRAM REFERENCE TARGET COMMAND: one line of the table; the ratio is worked out here.
row() {
    local r
    r=$(ratio "$(echo "$2" | awk '{print $1}')" "$(echo "$3" | awk '{print $1}')")
    printf '| %-34s | %12s | %12s | %6s | %6s | %s\n' "$1" "$2" "$3" "$r" "$4" "$5" >>"$ROWS"
}

want start && row "start to first paint (median of $ROUNDS)" "$START_PET ms" "$START_REF ms" "≤1.1×" \
    "TOBBERLY_REPORT_FIRST_PAINT=1 lunetta --at 2026-12-07T12:30"

# A fixed seed: the pet draws the same gestures in every run, so that runs compare. Seed 2 makes
# the meal's picture change about 39 times a minute, the middle of seeds 1 to 8 (31 to 50).
AT_LUNCH=(--at 2026-12-07T12:30 --event 18 --seed 2)
if want lunch; then
side_by_side lunch "$BIN/lunetta" "${AT_LUNCH[@]}"
row "resident memory after $((SPAN + 5)) s (lunch)" "$M_RSS_PET MB" "$M_RSS_REF MB" "≤1.2×" "lunetta ${AT_LUNCH[*]}; VmRSS"
row "CPU at lunch" "$M_CPU_PET ms/min" "$M_CPU_REF ms/min" "≤1.0×" "same; schedstat of every thread over $SPAN s"
row "wake-ups at lunch" "$M_WAKE_PET /s" "$M_WAKE_REF /s" "" "same; voluntary_ctxt_switches of every thread"
fi

AT_BATH=(--at 2026-12-07T21:20 --event 31 --seed 2)
if want bath; then
side_by_side bath "$BIN/lunetta" "${AT_BATH[@]}"
row "CPU in the bath with bubbles" "$M_CPU_PET ms/min" "$M_CPU_REF ms/min" "≤1.5×" "lunetta ${AT_BATH[*]}; schedstat"
row "wake-ups in the bath" "$M_WAKE_PET /s" "$M_WAKE_REF /s" "" "same; voluntary switches"
fi

AT_NIGHT=(--at 2026-12-08T02:00 --event 7 --seed 2)
if want asleep; then
side_by_side asleep "$BIN/lunetta" "${AT_NIGHT[@]}"
row "CPU asleep" "$M_CPU_PET ms/min" "$M_CPU_REF ms/min" "≤1.0×" "lunetta ${AT_NIGHT[*]}; schedstat"
row "wake-ups asleep" "$M_WAKE_PET /s" "$M_WAKE_REF /s" "" "same; voluntary switches"
fi
if want lunch-instr; then
side_by_side_instr lunch-instr "$BIN/lunetta" "${AT_LUNCH[@]}"
row "instructions at lunch" "$M_INSTR_PET M/min" "$M_INSTR_REF M/min" "" "same, under callgrind; user-space instructions of every thread"
fi
if want bath-instr; then
side_by_side_instr bath-instr "$BIN/lunetta" "${AT_BATH[@]}"
row "instructions in the bath" "$M_INSTR_PET M/min" "$M_INSTR_REF M/min" "" "lunetta ${AT_BATH[*]}, under callgrind"
fi
if want asleep-instr; then
side_by_side_instr asleep-instr "$BIN/lunetta" "${AT_NIGHT[@]}"
row "instructions asleep" "$M_INSTR_PET M/min" "$M_INSTR_REF M/min" "" "lunetta ${AT_NIGHT[*]}, under callgrind"
fi
# The sleeping pet breathes: a new frame every two seconds. Beside a reference that repaints its
# picture as often, what is left is the pet's own cost.
if want asleep2; then
REF_ARGS=(--repaint)
side_by_side asleep2 "$BIN/lunetta" "${AT_NIGHT[@]}"
REF_ARGS=()
row "CPU asleep, reference repainting" "$M_CPU_PET ms/min" "$M_CPU_REF ms/min" "" "same, beside reference --repaint (its picture every 2 s)"
row "wake-ups asleep, same" "$M_WAKE_PET /s" "$M_WAKE_REF /s" "" "same; voluntary switches"
fi

if want game; then
side_by_side game "$BIN/korrigo" -a
row "korrigo: resident memory in a game" "$M_RSS_PET MB" "$M_RSS_REF MB" "" "korrigo -a (panel flip, waiting for a move); VmRSS"
row "korrigo: CPU in a game" "$M_CPU_PET ms/min" "$M_CPU_REF ms/min" "" "same; schedstat"
row "korrigo: wake-ups in a game" "$M_WAKE_PET /s" "$M_WAKE_REF /s" "" "same; voluntary switches"
fi

if want sim; then
echo "thirty simulated days…" >&2
dir=$(fresh_home sim)
t0=${EPOCHREALTIME/./}
(in_home "$dir" "$BIN/lunetta" --simulate 2026-12-01T00:00 --minutes 43200 --seed 7 >"$SCRATCH/sim.out" 2>/dev/null)
t1=${EPOCHREALTIME/./}
SIM="$(((t1 - t0) / 1000)) ms"
WORDS=$("$BUILD/toolbin/dictbench" "$BIN/dat")
fi

echo "Side by side with a bare Qt window (toolbin/reference: 292 × 224, a 150 × 220 picture, a Japanese"
echo "label, a 1-s and a 2-s timer) on one Xvfb display, $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| figure                             |      program |    reference |  ratio | target | command"
echo "|------------------------------------|--------------|--------------|--------|--------|--------"
cat "$ROWS"
echo
echo "| figure                             | value        | target | command"
echo "|------------------------------------|--------------|--------|--------"
want sim && printf '| %-34s | %-12s | %6s | %s\n' "30 simulated days" "$SIM" "≤3 s" \
    "lunetta --simulate 2026-12-01T00:00 --minutes 43200 --seed 7 ($(wc -l <"$SCRATCH/sim.out") lines)"
want sim && printf '| %-34s | %-12s | %6s | %s\n' "word lists, 100 000 learned words" "$WORDS" "" "dictbench bin/dat"
