#!/usr/bin/env bash
# The pet on a desktop with a window manager, tried as a user would: its windows placed on the
# frames the manager draws, the dialogs belonging to the pet (transient, out of the taskbar,
# following it, hiding with it), no maximise on a window that cannot grow, and a terminal being
# typed into while the pet asks, speaks and comes back from being minimised — the keyboard must
# stay with the terminal throughout.
# usage: desktop.sh BIN_DIR TOOL_DIR SHOTS_DIR WM   (run inside xvfb-run, with the WM running)
set -u
BIN=$1
TOOLS=$2
SHOTS=$3
WM=$4
mkdir -p "$SHOTS"
. "$(dirname "$0")/lib.sh"
SPEECH='^ピモのおしゃべり$'
QUESTION='^ピモの質問$'

has_state() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q "$2"; }
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*# //p'; }
same_window() { [ $(($1)) -eq $(($2)) ]; }

# A dialog's outer frame lies beside the pet's: 2350 twips right of its left edge (or left of it,
# touching), and level with its bottom (speech) or centred on it (question).
check_beside() { # DIALOG speech|question WHAT
    frame "$PETWIN"
    local px=$FX py=$FY pw=$FW ph=$FH
    frame "$1"
    local want_x=$((px + 2350 / 15))
    [ $((px + pw + FW)) -gt 1280 ] && want_x=$((px - FW))
    [ "$FX" -eq "$want_x" ] || { fail "$3: $2 window at x $FX, expected $want_x"; return; }
    if [ "$2" = speech ]; then
        [ $((FY + FH)) -eq $((py + ph)) ] && ok "$3: the speech window is level with the pet's frame" \
            || fail "$3: speech bottom $((FY + FH)), pet frame bottom $((py + ph))"
    else
        local d=$(((2 * FY + FH) - (2 * py + ph)))
        [ "$d" -ge -2 ] && [ "$d" -le 2 ] && ok "$3: the question window is centred on the pet's frame" \
            || fail "$3: question centre $(((2 * FY + FH) / 2)), pet centre $(((2 * py + ph) / 2))"
    fi
}

belongs_to_pet() { # DIALOG NAME
    has_state "$1" _NET_WM_STATE_SKIP_TASKBAR && has_state "$1" _NET_WM_STATE_SKIP_PAGER \
        && ok "$2 stays out of the taskbar and the switcher" || fail "$2 has no skip-taskbar state"
    local t
    t=$(transient_for "$1")
    [ -n "$t" ] && same_window "$t" "$PETWIN" && ok "$2 is transient for the pet window" \
        || fail "$2 transient for '$t', not the pet window $PETWIN"
    if xprop -id "$PETWIN" _NET_WM_ICON 2>/dev/null | grep -q 'Icon'; then
        xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q 'Icon' && ok "$2 carries the pet's icon" \
            || fail "$2 has no icon although the pet window has one"
    fi
}

# A window of fixed size cannot grow: the manager lists no maximise among its allowed actions, and
# a double-click on its title bar, which maximises a window on both managers, leaves its frame as
# it was. (Openbox still draws a greyed maximise box in the slot between the minimise box and the
# title; that placeholder is its own and does nothing.)
cannot_grow() { # WINDOW NAME
    if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q MAXIMIZE; then
        fail "$2 offers maximise"
        return
    fi
    frame "$1"
    local before="${FW}x$FH at $FX,$FY" top
    top=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | cut -d, -f3 | tr -d ' ')
    xdotool mousemove $((FX + FW / 2)) $((FY + ${top:-0} / 2)) click --repeat 2 --delay 80 1
    sleep 0.8
    frame "$1"
    [ "${FW}x$FH at $FX,$FY" = "$before" ] && ok "$2 offers no maximise and keeps its size" \
        || fail "$2 went from $before to ${FW}x$FH at $FX,$FY on a double-click on its title"
}

# 1. A first start: the pet's frame centred, the first greeting level with it and belonging to it;
# the greeting follows the pet when it is moved, hides while it is minimised and comes back with it.
fresh "$WM-first-start"
if start_pet --at 2026-12-07T10:00; then
    frame "$PETWIN"
    [ $((FX - (1280 - FW) / 2)) -ge -1 ] && [ $((FX - (1280 - FW) / 2)) -le 1 ] \
        && [ $((FY - (800 - FH) / 2)) -ge -1 ] && [ $((FY - (800 - FH) / 2)) -le 1 ] \
        && ok "the pet's frame is centred (${FW}x$FH at $FX,$FY)" || fail "pet frame ${FW}x$FH at $FX,$FY, not centred"
    if SP=$(wait_window "$SPEECH" 5); then
        sleep 0.3
        check_beside "$SP" speech "first greeting"
        belongs_to_pet "$SP" "the speech window"
        shot "$WM-first-start"
        xdotool windowmove "$PETWIN" 700 120
        sleep 1
        check_beside "$SP" speech "moved pet"
        xdotool windowminimize "$PETWIN"
        sleep 1
        viewable "$SP" && fail "the greeting stayed while the pet is minimised" || ok "the greeting hides with the pet"
        xdotool windowactivate "$PETWIN" 2>/dev/null
        sleep 1
        viewable "$SP" && ok "the greeting comes back with the pet" || fail "the greeting did not come back"
        shot "$WM-moved"
    else
        fail "no first greeting"
    fi
    cannot_grow "$PETWIN" "the pet window"
    stop_pet
fi

# 2. A place stored far off the screen: the whole frame comes back onto it.
fresh "$WM-far-off"
seed_conf Firstflag=1 Loveval=50 mleft=999999 mtop=999999
if start_pet --at 2026-12-07T12:50; then
    sleep 0.5
    frame "$PETWIN"
    [ $((FX + FW)) -eq 1280 ] && [ $((FY + FH)) -eq 800 ] && ok "the whole frame is on the screen, in its corner" \
        || fail "pet frame ${FW}x$FH at $FX,$FY runs off the 1280x800 screen"
    shot "$WM-far-off"
    stop_pet
fi

# 3. Typing in a terminal while the pet asks on its own, is answered with the mouse, is minimised,
# speaks again (coming back from the taskbar) and shows its present window: every typed line
# arrives and the keyboard never moves to the pet on its own.
fresh "$WM-typing"
seed_conf Firstflag=1 Loveval=50 Totaltime=200
TYPED=$SCRATCH/typed.txt
xterm -title typing-here -e "cat >$TYPED" &
XTERM_PID=$!
lines=0
type_lines() { # COUNT: types lines into the terminal, checking the active window after each
    local i a
    for ((i = 0; i < $1; i++)); do
        xdotool type --delay 15 "line $lines a b c "
        xdotool key Return
        lines=$((lines + 1))
        a=$(xdotool getactivewindow 2>/dev/null)
        same_window "${a:-0}" "$XT" || { stolen="$stolen $(xdotool getwindowname "$a" 2>/dev/null)"; }
        sleep 0.2
    done
}
back_to_terminal() { xdotool windowactivate --sync "$XT" 2>/dev/null; sleep 0.3; }
# A program the user has just started may take the keyboard when its window first maps, and some
# window managers hand it over a moment later; let that happen before going back to the terminal,
# so what is checked is only what the pet does on its own afterwards.
settle_start_focus() {
    local i a
    for ((i = 0; i < 20; i++)); do
        a=$(xdotool getactivewindow 2>/dev/null)
        same_window "${a:-0}" "$PETWIN" && break
        sleep 0.1
    done
    sleep 0.3
}
stolen=
# At six times the speed the question waits ten seconds for its answer, and the study after it
# lasts ten seconds before the pet reports.
if XT=$(wait_window '^typing-here$' 10) && start_pet --at 2026-12-07T10:00 --speed 6 --event 51; then
    settle_start_focus
    back_to_terminal
    if Q=$(wait_window "$QUESTION" 5); then
        check_beside "$Q" question "study question"
        belongs_to_pet "$Q" "the question window"
        type_lines 4
        [ -z "$stolen" ] && ok "typing with the question open went to the terminal" \
            || fail "the keyboard moved to:$stolen"
        viewable "$Q" && ok "typed spaces and returns answered nothing" || fail "the question was answered by typing"
        shot "$WM-question"
        # The user answers with the mouse, goes back to the terminal and minimises the pet; the
        # pet comes back by itself to report on the answer.
        frame "$Q"
        xdotool mousemove $((FX + FW / 2)) $((FY + 158)) click 1 # the first answer
        sleep 0.2
        xdotool windowminimize "$PETWIN"
        back_to_terminal
        stolen=
        for _ in $(seq 12); do
            type_lines 2
            viewable "$PETWIN" && [ -n "$(xdotool search --onlyvisible --name "$SPEECH" 2>/dev/null)" ] && break
        done
        type_lines 3
        if viewable "$PETWIN"; then
            ok "the minimised pet came back to speak"
            [ -z "$stolen" ] && ok "it came back without the keyboard" || fail "the keyboard moved to:$stolen"
        else
            fail "the pet stayed minimised"
        fi
        shot "$WM-back"
    else
        fail "the study question did not open"
    fi
    sleep 0.5
    got=$(wc -l <"$TYPED" 2>/dev/null || echo 0)
    [ "$got" -eq "$lines" ] && ok "all $lines typed lines arrived in the terminal" \
        || fail "$got of $lines typed lines arrived in the terminal"
    pgrep -P "$PID" korrigo >/dev/null && fail "a game started that nobody chose"
    stop_pet
fi

# 4. The present window, opened by the user's click: centred on the pet's screen, belonging to the
# pet; the user goes back to typing while it stays open and the pet goes on with its day.
JOURNEY=$WM-present
seed_conf Firstflag=1 Loveval=50 Totaltime=200
if [ -n "${XT:-}" ] && start_pet --at 2026-12-07T10:20; then
    xdotool mousemove $((PX + 264)) $((PY + 154))
    under=$(xdotool getmouselocation --shell 2>/dev/null | sed -n 's/^WINDOW=//p')
    click 264 154
    if PRES=$(wait_window '^プレゼント$' 5); then
        sleep 0.5
        frame "$PRES"
        [ $((FX - (1280 - FW) / 2)) -ge -1 ] && [ $((FX - (1280 - FW) / 2)) -le 1 ] \
            && [ $((FY - (800 - FH) / 2)) -ge -1 ] && [ $((FY - (800 - FH) / 2)) -le 1 ] \
            && ok "the present window's frame is centred" || fail "present frame ${FW}x$FH at $FX,$FY, not centred"
        belongs_to_pet "$PRES" "the present window"
        cannot_grow "$PRES" "the present window"
        back_to_terminal
        stolen=
        before=$lines
        type_lines 8
        [ -z "$stolen" ] && ok "typing beside the present window went to the terminal" \
            || fail "the keyboard moved to:$stolen"
        shot "$WM-present"
        sleep 0.5
        got=$(wc -l <"$TYPED" 2>/dev/null || echo 0)
        [ "$got" -eq "$lines" ] && ok "all $((lines - before)) lines typed beside it arrived" \
            || fail "$got of $lines typed lines arrived in the terminal"
    else
        fail "the present window did not open (the pointer was over window ${under:-?} '$(xdotool getwindowname "${under:-0}" 2>/dev/null)', the pet at $PX,$PY)"
        shot "$WM-present-failed"
    fi
    stop_pet
fi
kill "$XTERM_PID" 2>/dev/null

# 5. The pet's other windows of fixed size, and a game's, offer no maximise either.
fresh "$WM-fixed-size"
seed_conf Firstflag=1 Loveval=50
if start_pet --at 2026-12-07T12:50; then
    click 180 196
    if OPT=$(wait_window '^設定$' 5); then
        cannot_grow "$OPT" "the options window"
        xdotool windowactivate --sync "$OPT" key Escape 2>/dev/null
        gone_window '^設定$' 3 || fail "the options window did not close"
    else
        fail "the options window did not open"
    fi
    click 180 154
    if ABOUT=$(wait_window '^ピモといっしょ Ver' 5); then
        cannot_grow "$ABOUT" "the profile window"
        shot "$WM-fixed-size"
        "$TOOLS/xclose" 'ピモといっしょ Ver.1.81' >/dev/null 2>&1
    else
        fail "the profile window did not open"
    fi
    stop_pet
fi
"$BIN/korrigo" -a >"$SCRATCH/game.log" 2>&1 &
GAME_PID=$!
if GAME=$(wait_window '^パネルめくり$' 10); then
    cannot_grow "$GAME" "the game window"
else
    fail "the game window did not open"
fi
kill "$GAME_PID" 2>/dev/null
wait "$GAME_PID" 2>/dev/null

echo "desktop ($WM): $failures failure(s); screenshots in $SHOTS"
[ "$failures" -eq 0 ]
