#!/usr/bin/env bash
# Ends a real lunetta every way a desktop ends it and reads what it left in its store: SIGTERM
# (shutdown, logout), SIGHUP, SIGINT, the X display going away, and kill -9, which no program can
# answer, so the values must already be there. Also: one pet per store, a stale lock, and a
# Wayland session that offers an X display as well.
# usage: endings.sh BIN_DIR [LOGOUT_SM]   (starts its own X server)
set -u
BIN=$1
LOGOUT_SM=${2:-}
export LC_ALL=C.UTF-8
. "$(dirname "$0")/ownx.sh"
own_x || { echo "no X server could be started"; exit 1; }
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
PET_TITLE='^ピモといっしょ$'
TODAY=46363 # 7 December 2026, the day of --at below
# The pets start at three in the morning, asleep: nothing they do then moves the friendship the
# checks read (awake at ten, the pet may ask a question at once, which costs 10 until answered).
AT=2026-12-07T03:00
failures=0
fail() { echo "FAIL [$CASE]: $*"; failures=$((failures + 1)); }
ok() { echo "ok   [$CASE]: $*"; }

fresh() {
    CASE=$1
    SCRATCH=$(mktemp -d)
    export XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data HOME=$SCRATCH/home
    export XDG_RUNTIME_DIR=$SCRATCH/run
    mkdir -p "$XDG_CONFIG_HOME/Tobberly" "$HOME/Desktop" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    CONF=$XDG_CONFIG_HOME/Tobberly/Tobberly.conf
    # A returning user who closed the pet yesterday: today's start earns the +2 once.
    printf '[setting]\nFirstflag=1\nLoveval=50\nLastdate=%s\n' $((TODAY - 1)) >"$CONF"
}
conf() { sed -n "s/^$1=//p" "$CONF" 2>/dev/null | head -1; }

wait_window() { # NAME-REGEX PID -> window id of that process
    local i id
    for ((i = 0; i < 200; i++)); do
        id=$(xdotool search --onlyvisible --pid "$2" --name "$1" 2>/dev/null | head -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

start_pet() {
    "$BIN/lunetta" --at $AT "$@" >"$SCRATCH/pet.log" 2>&1 &
    PID=$!
    WIN=$(wait_window "$PET_TITLE" $PID) || { fail "the pet window did not open"; cat "$SCRATCH/pet.log"; return 1; }
}

ended() { # PID -> waits up to 5 s, sets STATUS
    local i
    for ((i = 0; i < 50; i++)); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; STATUS=$?; return 0; }
        sleep 0.1
    done
    return 1
}

saved_place() { # X Y
    [ "$(conf mleft)" = $(($1 * 15)) ] && [ "$(conf mtop)" = $(($2 * 15)) ]
}

# 1-3. The signals: the window has just moved (too recently for the running save), the signal
# comes, and the pet ends normally having saved its place, the day and the running time.
for sig in TERM HUP INT; do
    fresh "SIG$sig"
    start_pet || continue
    xdotool windowmove "$WIN" 111 77
    sleep 0.3
    kill -s $sig $PID
    if ended $PID; then
        [ "$STATUS" = 0 ] && ok "ended normally" || fail "exit status $STATUS"
    else
        fail "still running after SIG$sig"; kill -9 $PID
    fi
    saved_place 111 77 && ok "place saved" || fail "place $(conf mleft),$(conf mtop)"
    [ "$(conf Lastdate)" = $TODAY ] && [ -n "$(conf Totaltime)" ] && ok "day and running time saved" \
        || fail "Lastdate=$(conf Lastdate) Totaltime=$(conf Totaltime)"
    [ "$(conf Loveval)" = 52 ] || fail "friendship $(conf Loveval), not 52"
done

# 4. kill -9 gives no chance to save: what a close would write is already in the store, and the
# next start does not pay the return bonus a second time.
fresh "kill -9"
if start_pet; then
    xdotool windowmove "$WIN" 222 99
    sleep 2.5
    kill -9 $PID; wait $PID 2>/dev/null
    saved_place 222 99 && ok "place kept current" || fail "place $(conf mleft),$(conf mtop)"
    [ "$(conf Lastdate)" = $TODAY ] && ok "Lastdate kept current" || fail "Lastdate=$(conf Lastdate)"
    if start_pet; then
        sleep 0.5
        [ "$(conf Loveval)" = 52 ] && ok "no second return bonus" || fail "friendship $(conf Loveval) after restart"
        # The killed pet's lock is stale: this start was not kept out by it.
        ok "a stale lock did not block the start"
        kill $PID; ended $PID
    fi
fi

# 5. The display goes away under the pet (the X server ends with the session).
fresh "display gone"
# A display of its own, numbered by the server so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$SCRATCH/display" >/dev/null 2>&1 &
XPID=$!
for _ in $(seq 100); do [ -s "$SCRATCH/display" ] && break; sleep 0.1; done
OWN=:$(head -1 "$SCRATCH/display")
if [ "$OWN" != : ] && kill -0 $XPID 2>/dev/null; then
    DISPLAY=$OWN "$BIN/lunetta" --at $AT >"$SCRATCH/pet.log" 2>&1 &
    PID=$!
    DISPLAY=$OWN wait_window "$PET_TITLE" $PID >/dev/null || fail "no window on the private display"
    sed -i '/^Totaltime=/d; /^mleft=/d' "$CONF"
    kill $XPID; wait $XPID 2>/dev/null
    ended $PID || { fail "the pet outlived its display"; kill -9 $PID; }
    [ -n "$(conf Totaltime)" ] && [ -n "$(conf mleft)" ] && [ "$(conf Lastdate)" = $TODAY ] \
        && ok "saved as the display went" || fail "nothing saved: $(tr '\n' ' ' <"$CONF")"
else
    fail "could not start a private X server"
fi

# 6. One pet per store: a second start on the same store ends at once and leaves the first
# running; a pet on another store, and the headless simulation on this one, are not kept out.
fresh "one pet"
if start_pet; then
    FIRST=$PID
    FIRST_CONF=$CONF
    timeout 10 "$BIN/lunetta" >"$SCRATCH/second.log" 2>&1
    [ $? = 0 ] && ok "second start ended" || fail "second start did not end by itself"
    kill -0 $FIRST 2>/dev/null && ok "first pet still running" || fail "first pet gone"
    [ "$(xdotool search --onlyvisible --name "$PET_TITLE" | wc -l)" = 1 ] && ok "one pet window" \
        || fail "$(xdotool search --onlyvisible --name "$PET_TITLE" | wc -l) pet windows"
    timeout 20 "$BIN/lunetta" --simulate 2026-12-07T10:00 --minutes 5 --seed 1 >/dev/null 2>&1 \
        && ok "the simulation runs beside the pet" || fail "the simulation was kept out"
    OLD_HOME=$SCRATCH
    fresh "one pet, other store"
    if start_pet; then
        ok "a pet on another store starts beside it"
        kill $PID; ended $PID
    fi
    kill $FIRST; ended $FIRST
    CONF=$FIRST_CONF
fi

# 7. A Wayland session with an X display beside it: the pet runs on X, where it can place its
# windows (on Wayland alone this fake socket would stop it).
fresh "wayland"
export WAYLAND_DISPLAY=wayland-tobberly-absent XDG_SESSION_TYPE=wayland
if start_pet; then
    ok "runs on the X display"
    kill $PID; ended $PID
fi
unset WAYLAND_DISPLAY XDG_SESSION_TYPE

# 8. Logging out: the session manager asks the pet to save as the session ends; by the time the
# pet has said it is done, the store holds what a close would write (the window moved a moment
# ago, too recently for the running save). Then the session tells it to go, and it goes.
if [ -n "$LOGOUT_SM" ] && [ -x "$LOGOUT_SM" ]; then
    fresh "logout"
    "$LOGOUT_SM" "$SCRATCH/logout" "$SCRATCH/die" >"$SCRATCH/sm.out" 2>&1 &
    SM=$!
    for _ in $(seq 50); do [ -s "$SCRATCH/sm.out" ] && break; sleep 0.1; done
    SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$SCRATCH/sm.out")
    export SESSION_MANAGER
    if start_pet; then
        xdotool windowmove "$WIN" 123 45
        sleep 0.3
        touch "$SCRATCH/logout"
        for _ in $(seq 100); do grep -q '^saved' "$SCRATCH/sm.out" && break; sleep 0.1; done
        grep -q '^saved' "$SCRATCH/sm.out" && ok "the pet answered the session" || fail "no answer to the session"
        saved_place 123 45 && [ -n "$(conf Totaltime)" ] && ok "saved when the session asked" \
            || fail "place $(conf mleft),$(conf mtop) Totaltime=$(conf Totaltime)"
        touch "$SCRATCH/die"
        if ended $PID; then
            [ "$STATUS" = 0 ] && ok "ended with the session" || fail "exit status $STATUS"
        else
            fail "still running after the session ended"; kill -9 $PID
        fi
    fi
    unset SESSION_MANAGER
    kill $SM 2>/dev/null; wait $SM 2>/dev/null
fi

# 9. Under a window manager: the user minimised the pet and starts it again from the menu; the
# running pet comes back and is the active window, and no second one opens.
if command -v openbox >/dev/null; then
    fresh "second start raises"
    openbox >/dev/null 2>&1 &
    WM=$!
    sleep 1
    if start_pet; then
        xdotool windowminimize "$WIN"
        for _ in $(seq 30); do xwininfo -id "$WIN" | grep -q IsUnMapped && break; sleep 0.1; done
        timeout 10 "$BIN/lunetta" >/dev/null 2>&1 || fail "second start did not end"
        for _ in $(seq 30); do xwininfo -id "$WIN" | grep -q IsViewable && break; sleep 0.1; done
        xwininfo -id "$WIN" | grep -q IsViewable && ok "the minimised pet is back" || fail "the pet stayed minimised"
        # The manager maps the window back first and hands it the keyboard after: on a busy
        # machine that can come a moment later.
        for _ in $(seq 30); do [ "$(xdotool getactivewindow 2>/dev/null)" = "$WIN" ] && break; sleep 0.1; done
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$WIN" ] && ok "and in front" || fail "not the active window"
        kill $PID; ended $PID
    fi
    kill $WM 2>/dev/null; wait $WM 2>/dev/null
fi

echo "$failures failure(s)"
[ $failures -eq 0 ]
