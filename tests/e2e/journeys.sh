#!/usr/bin/env bash
# End-to-end journeys of a user with the real programs under a virtual display: first start, a
# click on the pet, giving a present, house-sitting with the close refused, the options reset, and
# the Hobby button through the play question to a finished game and back. Each journey checks the
# settings file and leaves a screenshot in the shots folder.
# usage: journeys.sh BIN_DIR TOOL_DIR SHOTS_DIR   (run inside xvfb-run)
set -u
BIN=$1
TOOLS=$2
SHOTS=$3
mkdir -p "$SHOTS"
. "$(dirname "$0")/lib.sh"

# 1. First start: the window opens centred, friendship 普通, Firstflag written; exit saves.
fresh first-start
if start_pet --at 2026-12-07T10:00; then
    frame "$PETWIN"
    [ $((FX - (1280 - FW) / 2)) -ge -1 ] && [ $((FX - (1280 - FW) / 2)) -le 1 ] \
        && [ $((FY - (800 - FH) / 2)) -ge -1 ] && [ $((FY - (800 - FH) / 2)) -le 1 ] && ok "window centred" \
        || fail "window frame at $FX,$FY ${FW}x$FH, not centred"
    [ "$(conf Firstflag)" = 1 ] && ok "Firstflag=1 written" || fail "Firstflag not written"
    wait_window '^ピモのおしゃべり$' 5 >/dev/null && ok "the first greeting is shown" || fail "no first greeting"
    shot first-start
    stop_pet
    [ -n "$(conf Lastdate)" ] && [ "$(conf Totaltime)" = 0 ] && ok "exit saved" || fail "exit save missing"
fi

# 2. A click on the pet at lunch opens its line for the meal.
fresh click-pet
seed_conf Firstflag=1 Loveval=50
if start_pet --at 2026-12-07T12:30; then
    click 77 112
    wait_window '^ピモのおしゃべり$' 5 >/dev/null && ok "the pet answers a click" || fail "no speech after a click"
    shot click-pet
    stop_pet
fi

# 3. Giving the first present: state 3 under Item1, friendship +10, the thanks shown.
fresh present
seed_conf Firstflag=1 Loveval=50 Totaltime=200
if start_pet --at 2026-12-07T10:20; then
    click 264 154
    if PRES=$(wait_window '^プレゼント$' 5); then
        client_place "$PRES"; X=$CX Y=$CY
        xdotool mousemove $((X + 32)) $((Y + 50)) click 1
        sleep 0.8
        [ "$(conf Item1)" = 3 ] && ok "present 1 given" || fail "Item1 is '$(conf Item1)'"
        [ "$(conf Loveval)" = 60 ] && ok "friendship +10" || fail "Loveval is '$(conf Loveval)'"
        wait_window '^ピモのおしゃべり$' 3 >/dev/null && ok "thanks shown" || fail "no thanks"
        shot present
    else
        fail "the present window did not open"
    fi
    stop_pet
fi

# 4. House-sitting: the close is refused by day, the return is greeted, then the close works.
fresh house-sitting
seed_conf Firstflag=1 Loveval=50
if start_pet --at 2026-12-07T10:20; then
    click 222 196
    "$TOOLS/xclose" 'ピモといっしょ' >/dev/null 2>&1
    if BOX=$(wait_window '^ピモ$' 5); then
        sleep 0.3
        shot house-sitting-refused
        kill -0 "$PID" 2>/dev/null && ok "close refused while away" || fail "the pet ended while away"
                xdotool windowfocus --sync "$BOX" 2>/dev/null
        xdotool key Return
        sleep 0.5
        gone_window '^ピモ$' 3 || fail "the refusal message did not close"
    else
        fail "no refusal message"
    fi
    [ "$(conf Loveval)" = 47 ] && ok "going out costs 3" || fail "Loveval after leaving is '$(conf Loveval)'"
    # The farewell covers the buttons; a click on its text closes it.
    if SP=$(wait_window '^ピモのおしゃべり$' 1); then
        client_place "$SP"; X=$CX Y=$CY
        xdotool mousemove $((X + 30)) $((Y + 20)) click 1
        gone_window '^ピモのおしゃべり$' 2 && ok "a click on the text closes the speech" || fail "speech stayed open"
    fi
    click 222 196
    sleep 0.5
    shot house-sitting-back
    [ "$(conf Loveval)" = 50 ] && ok "welcome back +3" || fail "Loveval after return is '$(conf Loveval)'"
    stop_pet
    kill -0 "$PID" 2>/dev/null && fail "still running" || ok "closed after the return"
fi

# 5. The options reset deletes everything, the game pack's counters too, and starts over.
fresh reset
seed_conf Firstflag=1 Loveval=90 Totaltime=5000 Item1=3 winno11=4
# At rest after lunch: no opening line covers the buttons.
if start_pet --at 2026-12-07T12:50; then
    click 180 196
    if OPT=$(wait_window '^設定$' 5); then
        client_place "$OPT"; X=$CX Y=$CY
        shot options
        xdotool mousemove $((X + 46)) $((Y + 69)) click 1
        sleep 0.5
        xdotool key alt+y
        sleep 0.8
        keys=$(grep -c '=' "$CONF")
        [ "$(conf Firstflag)" = 1 ] && [ -z "$(conf winno11)" ] && [ -z "$(conf Totaltime)" ] \
            && ok "store reset ($keys keys)" || fail "store after reset: $(tr '\n' ' ' <"$CONF")"
        shot reset
    else
        fail "the options window did not open"
    fi
    stop_pet
fi

# 6. The Hobby button (at rest after lunch, when it is available), the play question, a finished
# word-chain game, and the pet back again.
fresh play
seed_conf Firstflag=1 Loveval=50
if start_pet --at 2026-12-07T12:50; then
    click 222 154
    if Q=$(wait_window '^ピモの質問$' 5); then
        client_place "$Q"; X=$CX Y=$CY
        xdotool mousemove $((X + 100)) $((Y + 220)) click 1
        if G=$(wait_window '^しりとり$' 10); then
            gone_window "$PET_TITLE" 3 && ok "the pet hides while the game runs" || fail "pet still shown"
            sleep 0.5
            xdotool windowactivate --sync "$G" 2>/dev/null
            xdotool type --delay 50 'みかん'
            xdotool key Return
            sleep 1
            shot play-result
            if gone_window '^しりとり$' 10; then
                ok "the game ended after its result"
                wait_window "$PET_TITLE" 5 >/dev/null && ok "the pet is back" || fail "the pet did not come back"
                [ "$(conf winno31)" = 1 ] && ok "the pet's win recorded" || fail "winno31 is '$(conf winno31)'"
                sleep 0.5
                shot play-back
            else
                fail "the game did not end"
            fi
        else
            fail "the game pack did not open"
        fi
    else
        fail "no play question after the Hobby button"
    fi
    stop_pet
    # 50, +1 for the button, -10 for the question, +13 or +9 for the answer, +2 from the game.
    case "$(conf Loveval)" in
    52 | 56) ok "friendship kept after the game" ;;
    *) fail "Loveval is '$(conf Loveval)'" ;;
    esac
fi

echo "journeys: $failures failure(s); screenshots in $SHOTS"
[ "$failures" -eq 0 ]
