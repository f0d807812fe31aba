#!/usr/bin/env bash
# Screenshots for a look at the artwork: build/shots/strips.png (every pet strip, every frame,
# labelled) and build/shots/pictures.png (props, buttons, presents, portraits and game art).
set -uo pipefail
build="${1:-build}"
mkdir -p "$build/shots"
export QT_QPA_PLATFORM=offscreen
"$build/toolbin/artgen" --contact "$build/bin" "$build/shots/strips.png"
"$build/toolbin/artgen" --sheet "$build/bin" "$build/shots/pictures.png"
echo "shots: $build/shots/strips.png $build/shots/pictures.png"
# Every text of the pet's dialogs as the speech and question windows lay it out.
"$build/toolbin/textsheet" "$build/bin" "$build/shots"

# Screenshots of the windows under a virtual display: the pet in several activities, its dialogs,
# the present, options and about windows, and the three games.
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
    echo "shots: window screenshots skipped (xvfb-run, xdotool or ImageMagick missing)"
    exit 0
fi
unset QT_QPA_PLATFORM
bin=$(cd "$build/bin" && pwd)
out=$(cd "$build/shots" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash -s "$bin" "$out" "$here" <<'SHOTS'
bin=$1
out=$2
export LC_ALL=C.UTF-8
source "$3/shots-scene.sh"
scene breakfast 2026-12-07T08:35 18 Loveval=50
scene study 2026-12-07T10:05 26 Loveval=50
scene study-question 2026-12-07T10:05 51 Loveval=50
scene reading 2026-12-07T16:10 27 Loveval=85
scene bath 2026-12-07T21:20 31 Loveval=90
scene asleep 2026-12-08T02:00 10 Loveval=50 Item1=3
scene flower 2026-12-07T14:10 40 Loveval=60 Item3=3 Flowerday=12 Flowekind=2
scene visit 2026-12-07T14:10 632 Loveval=60 Item7=3
scene race 2026-12-07T14:10 643 Loveval=60 Item8=3
scene christmas 2026-12-24T19:10 1006 Loveval=60
ACTION='xdotool mousemove 557 314 click 1' scene click-lunch 2026-12-07T12:30 "" Loveval=50
ACTION='xdotool mousemove 758 442 click 1' scene presents 2026-12-07T10:20 25 Loveval=50 Totaltime=16000 Item1=3 Item4=3 Item2=3
ACTION='xdotool mousemove 674 484 click 1' scene options 2026-12-07T10:20 25 Loveval=50
ACTION='xdotool mousemove 674 442 click 1' scene about 2026-12-07T10:20 25 Loveval=50
for g in a b c; do
    "$bin/korrigo" -$g >/dev/null 2>&1 &
    pid=$!
    sleep 2
    import -window root -crop 700x400+290+200 "$out/game-$g.png" 2>/dev/null
    kill $pid 2>/dev/null
done
# The look-away game while the user chooses: the choice dialog over its window, framed by a
# window manager as on a desktop, with the call, the counts and the user's hand in sight.
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    "$bin/korrigo" -b >/dev/null 2>&1 &
    pid=$!
    sleep 4.5
    import -window root -crop 700x420+290+190 "$out/game-b-choosing.png" 2>/dev/null
    kill $pid $wm 2>/dev/null
    wait $pid $wm 2>/dev/null
fi
SHOTS

# The same on a screen scaled 2x: the pet, a line beside it, the about window and one game. Every
# picture must be as sharp as the text around it, not a 1x picture enlarged.
xvfb-run -a -s "-screen 0 2560x1600x24 -noreset" bash -s "$bin" "$out" "$here" <<'SHOTS'
bin=$1
out=$2
export LC_ALL=C.UTF-8 QT_SCALE_FACTOR=2 SCALE=2
source "$3/shots-scene.sh"
scene breakfast 2026-12-07T08:35 18 Loveval=50
ACTION='xdotool mousemove 1114 628 click 1' scene click-lunch 2026-12-07T12:30 "" Loveval=50
ACTION='xdotool mousemove 1348 884 click 1' scene about 2026-12-07T10:20 25 Loveval=50
"$bin/korrigo" -b >/dev/null 2>&1 &
pid=$!
sleep 2
import -window root -crop 1400x800+580+400 "$out/scale2-game-b.png" 2>/dev/null
kill $pid 2>/dev/null
SHOTS
echo "shots: window screenshots in $out"
