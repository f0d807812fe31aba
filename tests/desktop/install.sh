#!/usr/bin/env bash
# Installs the build into a temporary prefix as a user would (cmake --install) and tries the
# installed tree: the layout, the menu entry and metainfo through their validators, the installed
# lunetta showing the pet with its pictures and data, and the installed korrigo opening a game.
# usage: install.sh BUILD_DIR SHOTS_DIR   (starts its own X server)
set -u
BUILD=$1
SHOTS=$2
export LC_ALL=C.UTF-8
. "$(dirname "$0")/ownx.sh"
own_x || { echo "no X server could be started"; exit 1; }
unset QT_QPA_PLATFORM
failures=0
CASE=install
fail() { echo "FAIL [$CASE]: $*"; failures=$((failures + 1)); }
ok() { echo "ok   [$CASE]: $*"; }
mkdir -p "$SHOTS"

SCRATCH=$(mktemp -d)
PREFIX=$SCRATCH/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >"$SCRATCH/install.log" 2>&1 || { fail "cmake --install failed"; cat "$SCRATCH/install.log"; }

for f in bin/lunetta bin/korrigo share/tobberly/gif/pimmo1.gif share/tobberly/dat/Study.dat \
         share/tobberly/dat/word1.dat share/applications/lunetta.desktop \
         share/icons/hicolor/48x48/apps/lunetta.png share/icons/hicolor/128x128/apps/lunetta.png \
         share/icons/hicolor/256x256/apps/lunetta.png share/metainfo/org.tobberly.lunetta.metainfo.xml; do
    [ -e "$PREFIX/$f" ] || fail "missing $f"
done
[ -x "$PREFIX/bin/lunetta" ] && [ -x "$PREFIX/bin/korrigo" ] && ok "programs installed"
grep -qx "Exec=$PREFIX/bin/lunetta" "$PREFIX/share/applications/lunetta.desktop" \
    && ok "the menu entry starts the installed pet" || fail "menu entry: $(grep Exec= "$PREFIX/share/applications/lunetta.desktop")"
[ ! -e "$PREFIX/bin/gif" ] && [ ! -e "$PREFIX/bin/dat" ] && ok "nothing else in bin/" || fail "pictures or data in bin/"
for size in 48 128 256; do
    got=$(identify -format '%wx%h' "$PREFIX/share/icons/hicolor/${size}x${size}/apps/lunetta.png" 2>/dev/null)
    [ "$got" = "${size}x${size}" ] || fail "icon ${size}: $got"
done

CASE=validate
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$PREFIX/share/applications/lunetta.desktop" && ok "menu entry valid" || fail "menu entry rejected"
else
    fail "desktop-file-validate missing"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$PREFIX/share/metainfo/org.tobberly.lunetta.metainfo.xml" >"$SCRATCH/as.log" 2>&1 \
        && ok "metainfo valid" || { fail "metainfo rejected"; cat "$SCRATCH/as.log"; }
else
    fail "appstreamcli missing"
fi

CASE=installed-pet
export XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data HOME=$SCRATCH/home XDG_RUNTIME_DIR=$SCRATCH/run
mkdir -p "$XDG_CONFIG_HOME/Tobberly" "$HOME/Desktop" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
CONF=$XDG_CONFIG_HOME/Tobberly/Tobberly.conf
# 12:30: the pet eats, its picture and the props come from share/tobberly/gif.
printf '[setting]\nFirstflag=1\n' >"$CONF"
cd "$SCRATCH" # not the build tree: the installed programs must find their files themselves
"$PREFIX/bin/lunetta" --at 2026-12-07T12:30 >"$SCRATCH/pet.log" 2>&1 &
PID=$!
WIN=
for _ in $(seq 300); do
    WIN=$(xdotool search --onlyvisible --name '^ピモといっしょ$' 2>/dev/null | head -1)
    [ -n "$WIN" ] && break
    sleep 0.1
done
if [ -n "$WIN" ]; then
    ok "the installed pet opened"
    sleep 1
    import -window "$WIN" "$SHOTS/installed-pet.png" 2>/dev/null
    # The picture area shows a drawn pet in many colours, not the bare background.
    colours=$(convert "$SHOTS/installed-pet.png" -crop 150x220+0+0 -format '%k' info: 2>/dev/null)
    [ "${colours:-0}" -gt 20 ] && ok "the pet picture is shown ($colours colours)" || fail "no pet picture ($colours colours)"
    grep -qi "missing\|cannot\|unusable" "$SCRATCH/pet.log" && fail "warnings: $(head -3 "$SCRATCH/pet.log")" \
        || ok "pictures and data found, nothing reported missing"
    xprop -id "$WIN" _NET_WM_ICON | grep -q "Icon (48 x 48)" && ok "window carries the pet's icon" || fail "no icon on the window"
    kill $PID; wait $PID
else
    fail "the installed pet did not open"; cat "$SCRATCH/pet.log"; kill $PID 2>/dev/null
fi

CASE=installed-games
"$PREFIX/bin/korrigo" -c >"$SCRATCH/games.log" 2>&1 &
GPID=$!
GWIN=
for _ in $(seq 300); do
    GWIN=$(xdotool search --onlyvisible --pid $GPID 2>/dev/null | head -1)
    [ -n "$GWIN" ] && break
    sleep 0.1
done
if [ -n "$GWIN" ]; then
    ok "the installed game pack opened a game"
    sleep 0.5
    import -window "$GWIN" "$SHOTS/installed-game.png" 2>/dev/null
    grep -qi "missing\|cannot" "$SCRATCH/games.log" && fail "warnings: $(head -3 "$SCRATCH/games.log")" || ok "word lists found"
    xprop -id "$GWIN" _NET_WM_ICON | grep -q "Icon (48 x 48)" && ok "game window carries the pet's icon" || fail "no icon on the game window"
    kill $GPID; wait $GPID 2>/dev/null
else
    fail "the installed game pack opened no window"; cat "$SCRATCH/games.log"; kill $GPID 2>/dev/null
fi

CASE=package
if [ -n "${TOBBERLY_PACKAGE_TEST:-}" ] && command -v dpkg-deb >/dev/null; then
    (cd "$BUILD" && cpack --config CPackConfig.cmake >"$SCRATCH/cpack.log" 2>&1) || { fail "cpack failed"; tail "$SCRATCH/cpack.log"; }
    DEB=$(ls -t "$BUILD"/package/*.deb 2>/dev/null | head -1)
    if [ -n "$DEB" ]; then
        dpkg-deb -f "$DEB" Depends | grep -q libqt6widgets6 && ok "package declares its dependencies" || fail "no Depends"
        dpkg-deb -c "$DEB" >"$SCRATCH/contents"
        grep -q "usr/bin/lunetta" "$SCRATCH/contents" && grep -q "usr/share/tobberly/gif/" "$SCRATCH/contents" \
            && ok "package holds the installed tree" || fail "package contents"
    else
        fail "no package written"
    fi
fi

rm -rf "$SCRATCH"
echo "$failures failure(s)"
[ $failures -eq 0 ]
