#!/usr/bin/env bash
# Installs, with apt-get, only the Debian packages that the build, the tests and the screenshots
# need and that are not installed yet. Does nothing on a machine that has them all.
set -euo pipefail

packages=(g++ make cmake pkg-config qt6-base-dev libgif-dev xvfb xauth xdotool imagemagick
          fonts-noto-cjk x11-utils libx11-dev qt6-translations-l10n desktop-file-utils appstream
          libsm-dev ninja-build libxcb1-dev libxcb-sync-dev openbox xfwm4 xterm dbus-daemon)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "install-deps: these packages are missing and apt-get is not available: ${missing[*]}" >&2
  exit 1
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
