#!/usr/bin/env bash
# Installs the Debian packages that building and testing Sorvo need. Safe to run again.
# Usage: scripts/install-deps.sh [--bench]
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git ccache
  qt6-base-dev qt6-base-dev-tools libqt6network6 libqt6test6
  libgl-dev libvulkan-dev libxkbcommon-dev
  libicu-dev libcurl4-openssl-dev libjpeg62-turbo-dev zlib1g-dev libtag1-dev
  python3-mutagen libgpod-dev
  python3
  clang libclang-rt-14-dev
  fonts-ipafont-gothic fonts-nanum qt6-translations-l10n qt6-l10n-tools
  xvfb xauth xdotool desktop-file-utils
  at-spi2-core dbus python3-pyatspi
)
# --bench: what the comparisons of scripts/bench.sh need besides (ffmpeg, ImageMagick); libgpod, which
# the tests use to write databases of another program, is installed always.
if [ "${1:-}" = "--bench" ]; then
  packages+=(ffmpeg imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
