#!/usr/bin/env bash
# Configures the tree with Ninja in a folder of its own and builds the game pack and every
# picture. Ninja, unlike make, stops at once when a file that one step needs has no rule that
# makes it: the game pack's resources need single pictures from the art command, so this build
# fails when the art command does not declare each file it writes. A second build must not draw
# again, or some declared file is never written and the art would be redrawn on every build.
# Exits 77 (skipped) where Ninja is not installed.
set -euo pipefail
src=$1
dir=$2
if ! command -v ninja >/dev/null; then
    echo "ninja is not installed: the Ninja build was not tried"
    exit 77
fi
if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
    rm -rf "$dir"
fi
cmake -G Ninja -S "$src" -B "$dir" >/dev/null
if ! cmake --build "$dir" --target art korrigo -- -j 2 >"$dir/ninja.log" 2>&1; then
    tail -n 30 "$dir/ninja.log"
    exit 1
fi
again=$(cmake --build "$dir" --target art korrigo -- -j 2 2>&1)
if grep -q "Drawing the pictures" <<<"$again"; then
    echo "a second Ninja build draws the pictures again:"
    echo "$again"
    exit 1
fi
echo "Ninja built the pictures and the game pack, and a second build has nothing to do"
