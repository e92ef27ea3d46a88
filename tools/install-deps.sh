#!/usr/bin/env bash
# Installs what the game needs to build, play and test on Debian 12 or 13,
# and nothing that is already there. Runs apt-get through sudo when not
# root.
#
# usage: install-deps.sh [linux] [windows]   (both when none is named)
#   linux    the Qt game, its tests and fuzz targets
#   windows  the Windows build: mingw-w64, and Wine with a virtual X server
#            for its tests
set -euo pipefail

parts=("$@")
[ ${#parts[@]} -eq 0 ] && parts=(linux windows)

common=(build-essential cmake ninja-build pkg-config
  # The sound tool levels the cues by loudness, for every build.
  libebur128-dev)
linux=(
  # The game: Qt 6 Widgets (with its Wayland plugin), SDL2_mixer and
  # FluidSynth for sound, the General MIDI soundfont, the IPA fonts.
  qt6-base-dev qt6-wayland libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk fonts-dejavu-core
  # Testing: GoogleTest, a virtual X server with xdotool and screenshots,
  # sox to measure sound, clang and its runtime for the fuzz targets.
  libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick sox python3
  appstream man-db
  # A comma-decimal locale (made below) for the stored numbers' test.
  locales
  clang libclang-rt-dev
)
windows=(
  # The cross compiler with POSIX threads, and GoogleTest's sources to
  # build the tests with it.
  g++-mingw-w64-x86-64-posix googletest
  # Wine runs the tests: its 64-bit loader alone, no i386 architecture.
  wine wine64
  # The windowed round: a virtual X server, keys, screenshots, the fonts.
  xvfb xauth xdotool x11-utils imagemagick python3 fonts-ipafont-gothic fonts-ipafont-mincho
)

wanted=("${common[@]}")
for part in "${parts[@]}"; do
  case $part in
    linux) wanted+=("${linux[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    *) echo "install-deps.sh: unknown part $part (linux, windows)" >&2; exit 64 ;;
  esac
done

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Another apt-get may be running on a shared machine: wait for it.
  apt=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600)
  "${apt[@]}" update -q
  "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ " ${parts[*]} " == *" linux "* ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Making the locale de_DE.UTF-8"
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
