#!/usr/bin/env bash
# Packs this build folder as `make deb` does and checks what a user gets:
# everything under /usr, the launcher starting the executable beside its
# sounds, the dependencies, the licence as a machine-readable copyright
# file, and no error from lintian.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX="$work" > "$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(find "$work" -maxdepth 1 -name '*.deb')
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "zolbas_${version}_amd64.deb" ] || fail "the package is named $(basename "$deb")"

# Libraries as dpkg-shlibdeps found them, and the files loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libsdl2-mixer libfluidsynth qt6-qpa-plugins timgm6mb-soundfont \
  fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -q "$need" <<< "$depends" || fail "Depends lacks $need: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' && fail "files outside /usr"
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
exe=$(find "$usr/lib" -path '*/zolbas/zolbas' -type f)
[ -n "$exe" ] || fail "no executable under /usr/lib"
for f in "$exe" "$(dirname "$exe")"/{music1.mid,snd.wav,lvup.wav} \
  "$usr"/share/applications/zolbas.desktop "$usr"/share/metainfo/io.github.zolbas.Zolbas.metainfo.xml \
  "$usr"/share/man/man6/zolbas.6.gz "$usr"/share/doc/zolbas/changelog.gz \
  "$usr"/share/icons/hicolor/{32x32,64x64,128x128}/apps/zolbas.png; do
  [ -s "$f" ] || fail "${f#"$work/root"} is missing"
done
"$usr/games/zolbas" --version | grep -qx "zolbas $version" || fail "the launcher on PATH does not start zolbas $version"

# The copyright file carries LICENSE's holder and its text word for word.
copyright=$usr/share/doc/zolbas/copyright
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "the copyright file is not machine-readable"
grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$root/LICENSE")" "$copyright" || fail "the copyright holder"
sed -n '/^License: Expat$/,$p' "$copyright" | tail -n +2 | sed -e 's/^ //' -e 's/^\.$//' > "$work/licence"
sed -n '/^Permission is hereby granted/,$p' "$root/LICENSE" | diff - "$work/licence" ||
  fail "the copyright file's licence text differs from LICENSE"

lintian --fail-on error "$deb" > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian reports errors"; }
cat "$work/lintian.log"
echo "$(basename "$deb") ok"
