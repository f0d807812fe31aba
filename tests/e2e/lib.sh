# Helpers the end-to-end journeys share: a fresh store per journey, the settings file, waiting
# for windows by title, the pet started and closed like a user would, screenshots, and the outer
# frame a window manager put around a window.
# Sourced by journeys.sh and desktop.sh with BIN, TOOLS and SHOTS set.
export LC_ALL=C.UTF-8
PET_TITLE='^ピモといっしょ$'
failures=0
PID=

# The virtual display may still be coming up (other servers start beside it on a shared machine);
# a program started before it answers ends at once, so wait until it does.
for _ in $(seq 50); do
    xprop -root >/dev/null 2>&1 && break
    sleep 0.1
done

fail() { echo "FAIL [$JOURNEY]: $*"; failures=$((failures + 1)); }
ok() { echo "ok   [$JOURNEY]: $*"; }

fresh() {
    JOURNEY=$1
    SCRATCH=$(mktemp -d)
    export XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data HOME=$SCRATCH/home
    mkdir -p "$XDG_CONFIG_HOME/Tobberly" "$HOME/Desktop"
    CONF=$XDG_CONFIG_HOME/Tobberly/Tobberly.conf
}

seed_conf() { printf '[setting]\n%s\n' "$*" | tr ' ' '\n' >"$CONF"; }
conf() { sed -n "s/^$1=//p" "$CONF" 2>/dev/null | head -1; }

wait_window() { # NAME-REGEX [seconds] -> prints the window id
    local i
    for ((i = 0; i < ${2:-15} * 10; i++)); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

gone_window() { # NAME-REGEX [seconds]
    local i
    for ((i = 0; i < ${2:-10} * 10; i++)); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

start_pet() {
    "$BIN/lunetta" "$@" >"$SCRATCH/pet.log" 2>&1 &
    PID=$!
    PETWIN=$(wait_window "$PET_TITLE" 20) || { fail "the pet window did not open"; tail -5 "$SCRATCH/pet.log"; return 1; }
    # The pet puts its frame in place once the manager has framed it: on a busy machine that move
    # can come a while after the window shows, so its place is read once it has held still.
    local i last=
    for ((i = 0; i < 25; i++)); do
        sleep 0.2
        client_place "$PETWIN"
        [ "$CX,$CY" = "$last" ] && break
        last=$CX,$CY
    done
    PX=$CX
    PY=$CY
    sleep 0.5
}

click() { xdotool mousemove $((PX + $1 * ${S:-1})) $((PY + $2 * ${S:-1})) click 1; sleep 0.4; }
shot() { import -window root "$SHOTS/journey-$1.png" 2>/dev/null; }
stop_pet() {
    "$TOOLS/xclose" 'ピモといっしょ' >/dev/null 2>&1
    for _ in $(seq 50); do kill -0 "$PID" 2>/dev/null || return 0; sleep 0.1; done
    kill "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    fail "the pet did not end when asked to close"
}

client_place() { # WINDOW -> CX CY: the top-left corner of the window's inside on the screen
    local info
    info=$(xwininfo -id "$1" 2>/dev/null)
    CX=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    CY=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}

frame() { # WINDOW -> FX FY FW FH: the outer frame the user sees (the window itself without a manager)
    local info ext l=0 r=0 t=0 b=0 x y w h
    info=$(xwininfo -id "$1" 2>/dev/null)
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$ext" ] && IFS=, read -r l r t b <<<"$ext"
    FX=$((x - l)) FY=$((y - t)) FW=$((w + l + r)) FH=$((h + t + b))
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
