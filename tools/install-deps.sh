#!/usr/bin/env bash
# Installs what the game needs to build, play and test on Debian 12, and
# nothing that is already there. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  # Building.
  build-essential cmake ninja-build pkg-config
  # The game: Qt 6 Widgets (with its Wayland plugin), SDL2_mixer and
  # FluidSynth for sound, the General MIDI soundfont, the IPA fonts.
  qt6-base-dev qt6-wayland libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk fonts-dejavu-core
  # Testing: GoogleTest, a virtual X server with xdotool and screenshots,
  # sox to measure sound, clang and its runtime for the fuzz targets.
  libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick sox python3
  appstream man-db
  clang libclang-rt-14-dev
  # The browser build: emscripten (node's acorn for its optimiser), GoogleTest
  # as source to compile for it, Ogg Vorbis and MP3 encoders for the tune,
  # the font subsetter with WOFF2's Brotli, and Chromium for the page's tests.
  emscripten node-acorn googletest vorbis-tools lame python3-fonttools python3-brotli chromium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
