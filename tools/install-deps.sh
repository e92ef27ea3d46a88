#!/usr/bin/env bash
# Installs what the game needs to build, play, test and package on Debian 12
# and 13, and nothing that is already there. Runs apt-get through sudo when
# not root. Where the releases name a package differently, a need is written
# "name|other": the first name that this system's apt can install is taken.
set -euo pipefail

needs=(
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
  clang 'libclang-rt-dev|libclang-rt-14-dev'
  # Packaging: CPack finds the executables to give dpkg-shlibdeps with file;
  # lintian checks the .deb.
  file lintian
)

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
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo > /dev/null || {
    echo "install-deps.sh: not root and no sudo; as root run: apt-get install ${missing[*]//|/ or }" >&2
    exit 1
  }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q

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

chosen=()
for need in "${missing[@]}"; do
  chosen+=("$(installable "$need")")
done
echo "Installing: ${chosen[*]}"
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${chosen[@]}"
