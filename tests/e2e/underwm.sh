#!/usr/bin/env bash
# Runs the end-to-end journeys under a window manager on the current display: openbox as it is,
# xfwm4 (the XFCE one) inside its own D-Bus session. The manager is ended afterwards.
# usage: underwm.sh openbox|xfwm4 BIN_DIR TOOL_DIR SHOTS_DIR   (run inside xvfb-run)
# With QT_SCALE_FACTOR=2 (on a 2560 x 1600 screen) only the desktop journeys run, scaled.
set -u
WM=$1
BIN=$2
TOOLS=$3
SHOTS=$4
HERE=$(dirname "$0")
if [ "$WM" = xfwm4 ] && [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
WMHOME=$(mktemp -d)
HOME=$WMHOME "$WM" >"$WMHOME/wm.log" 2>&1 &
WM_PID=$!
trap 'kill "$WM_PID" 2>/dev/null; wait "$WM_PID" 2>/dev/null; rm -rf "$WMHOME"' EXIT
# The manager is ready once it has announced itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
sleep 0.5
status=0
OUT=$SHOTS/$WM
[ "${QT_SCALE_FACTOR:-1}" != 1 ] && OUT=$SHOTS/$WM-${QT_SCALE_FACTOR}x
if [ "$WM" = openbox ] && [ "${QT_SCALE_FACTOR:-1}" = 1 ]; then
    "$HERE/journeys.sh" "$BIN" "$TOOLS" "$OUT" || status=1
fi
"$HERE/desktop.sh" "$BIN" "$TOOLS" "$OUT" "$WM" || status=1
exit $status
