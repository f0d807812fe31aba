#!/bin/sh
# Golden days: lunetta's headless simulation, with the scene trace, for each case of
# tests/golden/cases.txt, compared with the recorded trace tests/golden/<case>.txt.gz.
#
#   scripts/golden.sh [--bin DIR] [CASE...]            compare (all cases when none is named)
#   scripts/golden.sh --update [--bin DIR] [CASE...]   build lunetta, then record the traces anew
#
# A recording holds the trace, then the store the pet left behind and the files it put on the
# desktop. Nothing in it may depend on the machine: each run gets a fresh home, store and desktop,
# the time zone is fixed, the seed is given and the clock is virtual; so recording twice gives the
# same files byte for byte.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
GOLDEN="$ROOT/tests/golden"
BIN="$ROOT/build/bin"
UPDATE=0
while [ $# -gt 0 ]; do
    case "$1" in
    --update) UPDATE=1; shift ;;
    --bin) BIN=$2; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "golden.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
done

if [ "$UPDATE" = 1 ] && [ -f "$ROOT/build/CMakeCache.txt" ] && [ "$BIN" = "$ROOT/build/bin" ]; then
    cmake --build "$ROOT/build" --target lunetta >/dev/null
fi
[ -x "$BIN/lunetta" ] || { echo "golden.sh: no lunetta in $BIN (build first)" >&2; exit 2; }

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT INT TERM

# The pet lives in Tokyo; German time comes from the Berlin zone rules, whatever the machine says.
export TZ=Asia/Tokyo LC_ALL=C.UTF-8
unset LANGUAGE LANG QT_QPA_PLATFORM

# record NAME START DAYS SEED USER KEY=VALUE... : writes the recording of one case to stdout.
record() {
    name=$1 start=$2 days=$3 seed=$4 user=$5
    shift 5
    case "$user" in
    answers) answer=--answer ;;
    away) answer= ;;
    *) echo "golden.sh: case $name: the user is away or answers, not $user" >&2; return 1 ;;
    esac
    home="$SCRATCH/$name"
    mkdir -p "$home/config/Tobberly"
    {
        echo "[setting]"
        for kv in "$@"; do echo "$kv"; done
    } >"$home/config/Tobberly/Tobberly.conf"
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
        "$BIN/lunetta" --simulate "$start" --minutes $((days * 1440)) --seed "$seed" --trace scene $answer \
        </dev/null 2>"$home/warnings"
    echo "--- store"
    sed -n '/^\[setting\]/,/^\[/{/^\[/d;p}' "$home/config/Tobberly/Tobberly.conf" | sort
    echo "--- desktop"
    if [ -d "$home/Desktop" ]; then (cd "$home/Desktop" && ls -1 | sort); fi
}

failed=0
matched=0
# Cases: the named ones, or every line of cases.txt.
grep -v '^[[:space:]]*\(#\|$\)' "$GOLDEN/cases.txt" >"$SCRATCH/cases"
while read -r name start days seed user keys; do
    if [ $# -gt 0 ]; then
        wanted=0
        for c in "$@"; do [ "$c" = "$name" ] && wanted=1; done
        [ "$wanted" = 1 ] || continue
    fi
    matched=$((matched + 1))
    # shellcheck disable=SC2086 # the keys are split into words on purpose
    record "$name" "$start" "$days" "$seed" "$user" $keys >"$SCRATCH/$name.txt"
    if [ "$UPDATE" = 1 ]; then
        gzip -n -9 -c "$SCRATCH/$name.txt" >"$GOLDEN/$name.txt.gz"
        echo "recorded $name ($(wc -l <"$SCRATCH/$name.txt") lines)"
    elif [ ! -f "$GOLDEN/$name.txt.gz" ]; then
        echo "golden day $name: no recording $GOLDEN/$name.txt.gz (scripts/golden.sh --update)" >&2
        failed=1
    elif gzip -dc "$GOLDEN/$name.txt.gz" | cmp -s - "$SCRATCH/$name.txt"; then
        echo "golden day $name: unchanged"
    else
        echo "golden day $name: the pet's life differs from the recording (first differences):" >&2
        gzip -dc "$GOLDEN/$name.txt.gz" | diff - "$SCRATCH/$name.txt" | head -40 >&2 || true
        failed=1
    fi
done <"$SCRATCH/cases"
if [ $# -gt 0 ] && [ "$matched" != $# ]; then
    echo "golden.sh: not every case named is in $GOLDEN/cases.txt" >&2
    failed=1
fi
exit $failed
