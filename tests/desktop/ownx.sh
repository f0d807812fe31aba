# Sourced by the desktop tests: starts an X server of their own, numbered by the server itself
# (xvfb-run -a guesses a free number, and two runs at once may guess the same), and ends it on exit.
# Every server the tests start runs with -noreset: by default an X server resets when its last
# client leaves, and a program that connects during the reset (a pet starting while xdotool polls
# for its window) is refused and ends at once.
own_x() { # -> sets DISPLAY; returns 1 when no server could be started
    local file
    file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$file" >/dev/null 2>&1 &
    OWN_X_PID=$!
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
    local n
    n=$(head -1 "$file")
    rm -f "$file"
    [ -n "$n" ] || return 1
    export DISPLAY=:$n
    trap 'kill $OWN_X_PID 2>/dev/null' EXIT
}
