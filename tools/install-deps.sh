#!/usr/bin/env bash
# Installs what the game needs to build, play, test and package on Debian 12
# and 13, and nothing that is already there. Runs apt-get through sudo when
# not root. Where the releases name a package differently, a need is written
# "name|other": the first name that this system's apt can install is taken.
#
# usage: install-deps.sh [linux] [windows] [web]   (all when none is named)
#   linux    the Qt game, its tests, fuzz targets and Debian package
#   windows  the Windows build: mingw-w64, and Wine with a virtual X server
#            for its tests
#   web      the browser build: emscripten, the tools that make the page's
#            tune and fonts, and Chromium for its tests
set -euo pipefail

parts=("$@")
[ ${#parts[@]} -eq 0 ] && parts=(linux windows web)

common=(
  # Building; the sound tool levels the cues by loudness, for every build.
  build-essential cmake ninja-build pkg-config libebur128-dev
)
linux=(
  # The game: Qt 6 Widgets (with its Wayland plugin), SDL2_mixer and
  # FluidSynth for sound, the General MIDI soundfont, the IPA fonts.
  qt6-base-dev qt6-wayland libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  # libxcb, to read the X server's font resolution before Qt connects.
  libxcb1-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk fonts-dejavu-core
  # Testing: GoogleTest, a virtual X server with xdotool and screenshots,
  # sox to measure sound, clang and its runtime for the fuzz targets.
  libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick sox python3
  # A window manager, which full screen needs on X11, as on a desktop.
  openbox
  appstream man-db
  # A comma-decimal locale (made below) for the stored numbers' test.
  locales
  clang 'libclang-rt-dev|libclang-rt-14-dev'
  # Packaging: CPack finds the executables to give dpkg-shlibdeps with file;
  # lintian checks the .deb.
  file lintian
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
web=(
  # Emscripten (node's acorn for its optimiser) and GoogleTest as source to
  # compile for it.
  emscripten node-acorn googletest
  # The tune rendered with FluidSynth and the soundfont, encoded as Ogg Vorbis
  # and MP3; the IPA fonts cut down with fonttools, as WOFF2 with Brotli.
  libfluidsynth-dev timgm6mb-soundfont vorbis-tools lame
  fonts-ipafont-gothic fonts-ipafont-mincho python3 python3-fonttools python3-brotli
  # The page's tests: headless Chromium over the DevTools protocol.
  chromium
)

needs=("${common[@]}")
for part in "${parts[@]}"; do
  case $part in
    linux) needs+=("${linux[@]}") ;;
    windows) needs+=("${windows[@]}") ;;
    web) needs+=("${web[@]}") ;;
    *) echo "install-deps.sh: unknown part $part (linux, windows, web)" >&2; exit 64 ;;
  esac
done

if ! command -v apt-get > /dev/null || ! command -v dpkg-query > /dev/null; then
  echo "install-deps.sh: no apt-get here; install these (Debian's names) by hand, then run make again: ${needs[*]//|/ or }" >&2
  exit 1
fi

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2> /dev/null)" = 'install ok installed' ]
}

missing=()
for need in "${needs[@]}"; do
  IFS='|' read -ra names <<< "$need"
  found=
  for name in "${names[@]}"; do
    installed "$name" && found=yes && break
  done
  [ -n "$found" ] || missing+=("$need")
done

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo > /dev/null || {
    echo "install-deps.sh: not root and no sudo; as root run: apt-get install ${missing[*]//|/ or }" >&2
    exit 1
  }
  sudo=(sudo)
fi

# The name of a need that apt can install here: one with a candidate version.
installable() {
  local name
  IFS='|' read -ra names <<< "$1"
  for name in "${names[@]}"; do
    # Read whole first: grep -q stops reading early, and pipefail would take
    # apt-cache's broken pipe for a failure.
    if grep -q '^  Candidate: [^(]' <<< "$(apt-cache policy "$name" 2> /dev/null)"; then
      echo "$name"
      return 0
    fi
  done
  echo "install-deps.sh: apt knows none of: ${1//|/, }" >&2
  return 1
}

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # Another apt-get may be running on a shared machine: wait for it.
  apt=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600)
  "${apt[@]}" update -q
  chosen=()
  for need in "${missing[@]}"; do
    chosen+=("$(installable "$need")")
  done
  echo "Installing: ${chosen[*]}"
  "${apt[@]}" install -y -q --no-install-recommends "${chosen[@]}"
fi

if [[ " ${parts[*]} " == *" linux "* ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Making the locale de_DE.UTF-8"
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
