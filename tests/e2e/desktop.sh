#!/usr/bin/env bash
# The pet on a desktop with a window manager, tried as a user would: its windows placed on the
# frames the manager draws, the dialogs belonging to the pet (transient, out of the taskbar,
# following it, hiding with it), no maximise on a window that cannot grow, and a terminal being
# typed into while the pet asks, speaks and comes back from being minimised — the keyboard must
# stay with the terminal throughout.
# usage: desktop.sh BIN_DIR TOOL_DIR SHOTS_DIR WM   (run inside xvfb-run, with the WM running)
# With QT_SCALE_FACTOR=2 the screen is 2560 x 1600 and every place inside a window is doubled.
set -u
BIN=$1
TOOLS=$2
SHOTS=$3
WM=$4
S=${QT_SCALE_FACTOR:-1}
SW=$((1280 * S)) SH=$((800 * S))
# At 2x a frame of an odd number of pixels is half a pixel in the programs' units: places may be
# a pixel or two off.
TOL=$((2 * (S - 1)))
near() { [ $(($1 - $2)) -ge $((-${3:-$TOL})) ] && [ $(($1 - $2)) -le $((${3:-$TOL})) ]; }
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
    local want_x=$((px + 2350 / 15 * S))
    [ $((px + pw + FW)) -gt "$SW" ] && want_x=$((px - FW))
    near "$FX" "$want_x" || { fail "$3: $2 window at x $FX, expected $want_x"; return; }
    if [ "$2" = speech ]; then
        near $((FY + FH)) $((py + ph)) && ok "$3: the speech window is level with the pet's frame" \
            || fail "$3: speech bottom $((FY + FH)), pet frame bottom $((py + ph))"
    else
        local d=$(((2 * FY + FH) - (2 * py + ph)))
        near "$d" 0 $((2 + 2 * TOL)) && ok "$3: the question window is centred on the pet's frame" \
            || fail "$3: question centre $(((2 * FY + FH) / 2)), pet centre $(((2 * py + ph) / 2))"
    fi
}

has_icon() { xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q 'Icon ('; }
carries_icon() { # WINDOW NAME
    has_icon "$1" && ok "$2 carries the pet's icon" || fail "$2 has no icon"
}
belongs_to() { # DIALOG NAME OWNER OWNER-NAME
    has_state "$1" _NET_WM_STATE_SKIP_TASKBAR && has_state "$1" _NET_WM_STATE_SKIP_PAGER \
        && ok "$2 stays out of the taskbar and the switcher" || fail "$2 has no skip-taskbar state"
    local t
    t=$(transient_for "$1")
    [ -n "$t" ] && same_window "$t" "$3" && ok "$2 is transient for $4" \
        || fail "$2 transient for '$t', not $4 $3"
    carries_icon "$1" "$2"
}
belongs_to_pet() { belongs_to "$1" "$2" "$PETWIN" "the pet window"; }

# Every way a user has of making a window grow: a double-click on its title bar (both managers);
# on openbox its maximise box with each mouse button (left, and middle and right for one
# direction); on xfwm4 Alt+F10; and a taskbar's or pager's request. Each is first tried on the
# terminal, which must grow by it (and is put back), so a way that leaves our windows alone is
# known to be one that works.
if [ "$WM" = openbox ]; then
    GROW_WAYS="title-double-click maximise-box-1 maximise-box-2 maximise-box-3 pager"
else
    GROW_WAYS="title-double-click alt+F10 pager"
fi
grow_by() { # WINDOW WAY
    local top
    frame "$1"
    top=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | cut -d, -f3 | tr -d ' ')
    case $2 in
    title-double-click) xdotool mousemove $((FX + FW / 2)) $((FY + ${top:-0} / 2)) click --repeat 2 --delay 80 1 ;;
    # The box stands second from the right in openbox's title bar, which is not scaled.
    maximise-box-*) xdotool mousemove $((FX + FW - 28)) $((FY + 10)) click "${2#maximise-box-}" ;;
    pager) "$TOOLS/xwmstate" "$1" add maximise ;;
    *) xdotool windowactivate --sync "$1" 2>/dev/null; xdotool key "$2" ;;
    esac
    sleep 0.8
}
shape() { frame "$1"; echo "${FW}x$FH at $FX,$FY"; }
changes_from() { # WINDOW SHAPE: waits up to two seconds for the window's frame to change
    local i
    for ((i = 0; i < 20; i++)); do
        [ "$(shape "$1")" != "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
grows() { # WINDOW WAY: grows the window by WAY and puts it back; fails if it did not grow
    local before after
    before=$(shape "$1")
    grow_by "$1" "$2"
    changes_from "$1" "$before" || return 1
    after=$(shape "$1")
    if [ "$2" = pager ]; then "$TOOLS/xwmstate" "$1" remove maximise; else grow_by "$1" "$2"; fi
    changes_from "$1" "$after"
    [ "$(shape "$1")" = "$before" ] || { echo "note: the terminal did not come back to $before"; xdotool windowsize "$1" 484 316; }
}
GROW_CHECKED=
ways_work() { # -> the ways that grow the terminal; one that does not is reported
    [ -n "$GROW_CHECKED" ] && return
    GROW_CHECKED=1
    local way works=
    for way in $GROW_WAYS; do
        if grows "$XT" "$way"; then works="$works $way"; else echo "note: '$way' does not grow the terminal under $WM; not tried"; fi
    done
    GROW_WAYS=$works
    [ -n "$GROW_WAYS" ] || fail "no way of growing a window works on the terminal"
}

# A window of fixed size cannot grow: the manager lists no maximise among its allowed actions, and
# none of the ways above changes its frame. (Openbox still draws a maximise box in the slot between
# the minimise box and the title of every window of fixed size; on ours it does nothing.)
cannot_grow() { # WINDOW NAME
    if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q MAXIMIZE; then
        fail "$2 offers maximise"
        return
    fi
    ways_work
    local before way grew=
    before=$(shape "$1")
    for way in $GROW_WAYS; do
        grow_by "$1" "$way"
        viewable "$1" || { fail "$2 went away on '$way'"; return; }
        [ "$(shape "$1")" = "$before" ] || grew="$grew $way"
    done
    [ -z "$grew" ] && ok "$2 offers no maximise and keeps its size ($(echo $GROW_WAYS | tr ' ' ','))" \
        || fail "$2 grew from $before by:$grew"
}

# A terminal the user types into; the ways of growing a window are tried on it first.
TYPED=$(mktemp)
xterm -title typing-here -geometry 80x24+40+40 -e "cat >$TYPED" &
XTERM_PID=$!
XT=$(wait_window '^typing-here$' 10) || fail "the terminal did not open"

# 1. A first start: the pet's frame centred, the first greeting level with it and belonging to it;
# the greeting follows the pet when it is moved, hides while it is minimised and comes back with it.
fresh "$WM-first-start"
if start_pet --at 2026-12-07T10:00; then
    frame "$PETWIN"
    near "$FX" $(((SW - FW) / 2)) $((1 + TOL)) && near "$FY" $(((SH - FH) / 2)) $((1 + TOL)) \
        && ok "the pet's frame is centred (${FW}x$FH at $FX,$FY)" || fail "pet frame ${FW}x$FH at $FX,$FY, not centred"
    if SP=$(wait_window "$SPEECH" 5); then
        sleep 0.3
        check_beside "$SP" speech "first greeting"
        belongs_to_pet "$SP" "the speech window"
        shot "$WM-first-start"
        # The user drags the pet by its title bar, up and to the right.
        frame "$PETWIN"
        dragged_from="$FX,$FY"
        top=$(xprop -id "$PETWIN" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | cut -d, -f3 | tr -d ' ')
        gx=$((FX + 40)) gy=$((FY + ${top:-0} / 2))
        xdotool mousemove "$gx" "$gy"
        sleep 0.2
        xdotool mousedown 1
        sleep 0.2
        for i in $(seq 20); do xdotool mousemove $((gx + 10 * i)) $((gy - 8 * i)); sleep 0.05; done
        sleep 0.2
        xdotool mouseup 1
        sleep 1
        frame "$PETWIN"
        [ "$FX,$FY" != "$dragged_from" ] || fail "dragging the title bar did not move the pet"
        check_beside "$SP" speech "dragged pet"
        xdotool windowminimize "$PETWIN"
        sleep 1
        viewable "$SP" && fail "the greeting stayed while the pet is minimised" || ok "the greeting hides with the pet"
        xdotool windowactivate "$PETWIN" 2>/dev/null
        sleep 1
        viewable "$SP" && ok "the greeting comes back with the pet" || fail "the greeting did not come back"
        shot "$WM-moved"
        # A second start while the pet is minimised brings it back with its greeting, and ends.
        xdotool windowminimize "$PETWIN"
        sleep 1
        timeout 10 "$BIN/lunetta" >"$SCRATCH/second.log" 2>&1 && ok "a second start ended at once" \
            || fail "a second start did not end: $(head -2 "$SCRATCH/second.log")"
        for _ in $(seq 30); do viewable "$PETWIN" && viewable "$SP" && break; sleep 0.1; done
        viewable "$PETWIN" && viewable "$SP" && ok "it brought the minimised pet back with its greeting" \
            || fail "the pet stayed minimised after a second start"
        [ "$(xdotool search --onlyvisible --name "$PET_TITLE" 2>/dev/null | wc -l)" -eq 1 ] || fail "a second pet opened"
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
    near $((FX + FW)) "$SW" && near $((FY + FH)) "$SH" && [ $((FX + FW)) -le "$SW" ] && [ $((FY + FH)) -le "$SH" ] \
        && ok "the whole frame is on the screen, in its corner" \
        || fail "pet frame ${FW}x$FH at $FX,$FY runs off the ${SW}x$SH screen"
    shot "$WM-far-off"
    stop_pet
fi

# 3. Typing in a terminal while the pet asks on its own and is answered with the mouse, then
# speaks on its own beside the terminal, and once more after being minimised (coming back from the
# taskbar), and shows its present window: every typed line arrives and the keyboard never moves to
# the pet on its own.
fresh "$WM-typing"
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
typed_all() { # WHAT
    sleep 0.5
    local got
    got=$(wc -l <"$TYPED" 2>/dev/null || echo 0)
    [ "$got" -eq "$lines" ] && ok "all $lines typed lines arrived in the terminal $1" \
        || fail "$got of $lines typed lines arrived in the terminal $1"
    lines=$got # later rounds answer only for their own lines
}
speech_up() { viewable "$PETWIN" && [ -n "$(xdotool search --onlyvisible --name "$SPEECH" 2>/dev/null)" ]; }
# The play question: spaces and returns typed elsewhere start no game.
seed_conf Firstflag=1 Loveval=50 Totaltime=200
if [ -n "$XT" ] && start_pet --at 2026-12-07T10:00 --speed 6 --event 60; then
    settle_start_focus
    back_to_terminal
    stolen=
    if Q=$(wait_window "$QUESTION" 5); then
        type_lines 4
        [ -z "$stolen" ] && ok "typing with the play question open went to the terminal" \
            || fail "the keyboard moved to:$stolen"
        viewable "$Q" && ok "typed spaces and returns chose no game" || fail "the play question was answered by typing"
    else
        fail "the play question did not open"
    fi
    pgrep -P "$PID" korrigo >/dev/null && fail "a game started that nobody chose"
    typed_all "beside the play question"
    stop_pet
fi

# The study question, answered with the mouse; the pet reports on the answer on its own, once
# beside the terminal and once after being minimised. At six times the speed the question waits
# ten seconds for its answer, and the study after it lasts ten seconds before the pet reports.
for way in beside minimised; do
    seed_conf Firstflag=1 Loveval=50 Totaltime=200
    [ -n "$XT" ] && start_pet --at 2026-12-07T10:00 --speed 6 --event 51 || continue
    settle_start_focus
    back_to_terminal
    stolen=
    if ! Q=$(wait_window "$QUESTION" 5); then
        fail "the study question did not open"
        stop_pet
        continue
    fi
    if [ "$way" = beside ]; then
        check_beside "$Q" question "study question"
        belongs_to_pet "$Q" "the question window"
        type_lines 3
        [ -z "$stolen" ] && ok "typing with the study question open went to the terminal" \
            || fail "the keyboard moved to:$stolen"
        viewable "$Q" && ok "typed spaces and returns answered nothing" || fail "the question was answered by typing"
        shot "$WM-question"
    fi
    frame "$Q"
    xdotool mousemove $((FX + FW / 2)) $((FY + 158 * S)) click 1 # the first answer
    sleep 0.2
    [ "$way" = minimised ] && xdotool windowminimize "$PETWIN"
    back_to_terminal
    stolen=
    for _ in $(seq 15); do
        type_lines 2
        speech_up && break
    done
    type_lines 4
    if speech_up; then
        if [ "$way" = beside ]; then
            ok "the pet spoke on its own beside the terminal"
            SP=$(wait_window "$SPEECH" 1) && belongs_to_pet "$SP" "the speech window"
        else
            ok "the minimised pet came back to speak"
        fi
        [ -z "$stolen" ] && ok "it spoke without taking the keyboard" || fail "the keyboard moved to:$stolen"
    else
        fail "the pet did not speak after the answer ($way)"
    fi
    shot "$WM-spoke-$way"
    typed_all "while the pet spoke ($way)"
    stop_pet
done

# 4. The present window, opened by the user's click: centred on the pet's screen, belonging to the
# pet; the user goes back to typing while it stays open and the pet goes on with its day.
JOURNEY=$WM-present
seed_conf Firstflag=1 Loveval=50 Totaltime=200
# At lunch: an activity chosen by chance may speak at once, and its speech window lies over the
# present button.
if [ -n "${XT:-}" ] && start_pet --at 2026-12-07T10:20 --event 18; then
    xdotool mousemove $((PX + 264 * S)) $((PY + 154 * S))
    under=$(xdotool getmouselocation --shell 2>/dev/null | sed -n 's/^WINDOW=//p')
    click 264 154
    if PRES=$(wait_window '^プレゼント$' 5); then
        sleep 0.5
        frame "$PRES"
        near "$FX" $(((SW - FW) / 2)) $((1 + TOL)) && near "$FY" $(((SH - FH) / 2)) $((1 + TOL)) \
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
rm -f "$TYPED"

# 5. The pet's other windows of fixed size, and the game pack's, offer no maximise either, belong
# to their program's main window and carry the pet's icon.
fresh "$WM-fixed-size"
seed_conf Firstflag=1 Loveval=50
# At lunch: a question the pet asked by chance meanwhile would leave the buttons unavailable.
if start_pet --at 2026-12-07T12:50 --event 18; then
    carries_icon "$PETWIN" "the pet window"
    click 180 196
    if OPT=$(wait_window '^設定$' 5); then
        belongs_to_pet "$OPT" "the options window"
        cannot_grow "$OPT" "the options window"
        # The reset button asks first; the question belongs to the options window.
        client_place "$OPT"
        xdotool mousemove $((CX + 40 * S)) $((CY + 50 * S)) click 1
        if BOX=$(wait_window '^ピモ$' 5); then
            belongs_to "$BOX" "the reset question" "$OPT" "the options window"
            cannot_grow "$BOX" "the reset question"
            xdotool windowactivate --sync "$BOX" key Escape 2>/dev/null
            gone_window '^ピモ$' 3 || fail "the reset question did not close on Escape"
        else
            fail "the reset question did not open"
        fi
        xdotool windowactivate --sync "$OPT" key Escape 2>/dev/null
        gone_window '^設定$' 3 || fail "the options window did not close"
    else
        fail "the options window did not open"
    fi
    click 180 154
    if ABOUT=$(wait_window '^ピモといっしょ Ver' 5); then
        belongs_to_pet "$ABOUT" "the profile window"
        cannot_grow "$ABOUT" "the profile window"
        shot "$WM-fixed-size"
        "$TOOLS/xclose" 'ピモといっしょ Ver.1.81' >/dev/null 2>&1
    else
        fail "the profile window did not open"
    fi
    [ -z "$(conf Loveval)" ] || [ "$(conf Loveval)" = 50 ] || fail "the store changed: Loveval=$(conf Loveval)"
    stop_pet
fi
for game in "-a パネルめくり" "-b あっち向いてホイ" "-c しりとり"; do
    set -- $game
    "$BIN/korrigo" "$1" >"$SCRATCH/game.log" 2>&1 &
    GAME_PID=$!
    if GAME=$(wait_window "^$2\$" 10); then
        JOURNEY=$WM-game$1
        carries_icon "$GAME" "the game window"
        cannot_grow "$GAME" "the game window"
        if [ "$1" = -b ]; then
            # The game asks for the user's hand in a small dialog of its own.
            for _ in $(seq 50); do
                CHOICE=$(xdotool search --onlyvisible --pid "$GAME_PID" --name "^$2\$" 2>/dev/null | grep -v "^$(($GAME))\$" | head -1)
                [ -n "$CHOICE" ] && break
                sleep 0.1
            done
            if [ -n "$CHOICE" ]; then
                belongs_to "$CHOICE" "the hand dialog" "$GAME" "the game window"
                cannot_grow "$CHOICE" "the hand dialog"
            else
                fail "the hand dialog did not open"
            fi
        fi
        shot "$WM-game$1"
    else
        fail "the game window $2 did not open"
    fi
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
done

echo "desktop ($WM): $failures failure(s); screenshots in $SHOTS"
[ "$failures" -eq 0 ]
