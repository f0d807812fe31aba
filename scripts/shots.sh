#!/usr/bin/env bash
# Screenshots for a look at the artwork: build/shots/strips.png (every pet strip, every frame,
# labelled) and build/shots/pictures.png (props, buttons, presents, portraits and game art).
set -euo pipefail
build="${1:-build}"
mkdir -p "$build/shots"
export QT_QPA_PLATFORM=offscreen
"$build/toolbin/artgen" --contact "$build/bin" "$build/shots/strips.png"
"$build/toolbin/artgen" --sheet "$build/bin" "$build/shots/pictures.png"
echo "shots: $build/shots/strips.png $build/shots/pictures.png"
