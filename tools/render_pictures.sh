#!/bin/bash
# Renders the game's pictures so a maintainer can look at them:
#   NAME.png       every XPM enlarged 8 times, pixels kept sharp;
#   NAME.game.png  the picture at the size the game shows it (meteorite and
#                  icon 41 x 41, walkers 41 x 49) on the orange playfield,
#                  then enlarged 4 times.
# Usage: tools/render_pictures.sh OUTPUT_FOLDER   (needs ImageMagick's convert)
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTPUT_FOLDER" >&2
  exit 2
fi
out=$1
assets="$(cd "$(dirname "$0")/../assets" && pwd)"
mkdir -p "$out"

for xpm in "$assets"/*.xpm; do
  name=$(basename "$xpm" .xpm)
  case $name in
    walker_*) shown=41x49 ;;
    *) shown=41x41 ;;
  esac
  convert "$xpm" -background none -scale 800% "$out/$name.png"
  convert -size 57x65 'xc:rgb(255,128,0)' \( "$xpm" -sample "$shown!" \) \
    -gravity south -geometry +0+8 -composite -scale 400% "$out/$name.game.png"
  echo "$out/$name.png"
done
