# Sourced by shots.sh inside a virtual display: scene starts the pet with a fresh store at a
# given time and activity, runs $ACTION (xdotool clicks) if set, and takes a screenshot.
# SCALE (default 1) is the screen's scale: the display must then be SCALE times 1280 × 800, and
# the crop and the file name (scale2-pet-NAME.png) follow it; $ACTION's pixels do not.
scene() { # name at event settings...
    local name=$1 at=$2 event=$3
    shift 3
    local tmp
    tmp=$(mktemp -d)
    export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data HOME=$tmp/home
    mkdir -p "$XDG_CONFIG_HOME/Tobberly" "$HOME"
    printf '[setting]\nFirstflag=1\n' >"$XDG_CONFIG_HOME/Tobberly/Tobberly.conf"
    printf '%s\n' "$@" >>"$XDG_CONFIG_HOME/Tobberly/Tobberly.conf"
    local args=(--at "$at")
    [ -n "$event" ] && args+=(--event "$event")
    "$bin/lunetta" "${args[@]}" >/dev/null 2>&1 &
    local pid=$!
    sleep 2.5
    if [ -n "${ACTION:-}" ]; then
        eval "$ACTION"
        sleep 1.5
    fi
    local s=${SCALE:-1} file="$out/pet-$name.png"
    [ "$s" != 1 ] && file="$out/scale$s-pet-$name.png"
    import -window root -crop $((560 * s))x$((380 * s))+$((400 * s))+$((190 * s)) "$file" 2>/dev/null
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    rm -rf "$tmp"
}
