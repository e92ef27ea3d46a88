#!/usr/bin/env bash
# Installs the game into a temporary prefix and plays the installed copy:
# the launcher finds the executable, the sound files lie beside it, the
# desktop files are in place and valid.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$zolbas")
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "cmake --install failed"

exe_dir=$(dirname "$(find "$prefix" -path '*/zolbas/zolbas' -type f)")
for f in music1.mid snd.wav lvup.wav; do
  [ -s "$exe_dir/$f" ] || fail "$f is not beside the installed executable"
done
for size in 32 64 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zolbas.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size} px icon"
  # Scaled without blur: no more colours than the pixel art has.
  [ "$(identify -format '%k' "$icon")" -le 17 ] || fail "the ${size} px icon is blurred"
done
grep -q '^Categories=Game;ArcadeGame;' "$prefix/share/applications/zolbas.desktop" || fail "desktop entry"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/zolbas.desktop" || fail "the desktop entry does not validate"
fi
# The game has no public home yet: a validator that checks for one (AppStream
# 1.0, Debian 13) has its warning lowered to a note, until the metainfo can
# name a homepage; an older one does not know that check.
metainfo=("$prefix/share/metainfo/"*.metainfo.xml)
appstreamcli validate --no-net --override=url-homepage-missing=info "${metainfo[@]}" > "$work/appstream.log" 2>&1 ||
  { grep -q 'not recognized' "$work/appstream.log" &&
    appstreamcli validate --no-net "${metainfo[@]}" > "$work/appstream.log" 2>&1; } ||
  { cat "$work/appstream.log"; fail "the metainfo does not validate"; }
man -l "$prefix/share/man/man6/zolbas.6.gz" > /dev/null 2>&1 || fail "the man page does not read"

"$prefix/bin/zolbas" --version | grep -q '^zolbas ' || fail "the launcher does not start the game"
zolbas="$prefix/bin/zolbas"
start_game
enter_game
echo "installed game ok in $prefix"
