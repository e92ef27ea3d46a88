#!/usr/bin/env bash
# Makes the Wine prefix the Windows build's tests run in, once:
#   - windows are not handed to the window manager (Managed=N), so a
#     message box does not stall for seconds waiting for it;
#   - the designed Japanese font names are replaced by the IPA fonts;
#   - no Mono or Gecko installer is offered.
#
# usage: wine-prefix.sh PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${1:?usage: wine-prefix.sh PREFIX}
export WINEDLLOVERRIDES="mscoree,mshtml="
stamp=$WINEPREFIX/.zolbas-prefix
if [ -f "$stamp" ] && [ "$stamp" -nt "$0" ]; then exit 0; fi

wine() { "$here/wine-run.sh" "$@"; }
mkdir -p "$WINEPREFIX"
wine wineboot --init
set_value() { wine reg add "$1" /v "$2" /d "$3" /f >/dev/null; }
set_value 'HKCU\Software\Wine\X11 Driver' Managed N
replacements='HKCU\Software\Wine\Fonts\Replacements'
set_value "$replacements" 'ＭＳ Ｐゴシック' IPAPGothic
set_value "$replacements" 'MS UI Gothic' IPAPGothic
set_value "$replacements" 'ＭＳ Ｐ明朝' IPAPMincho

# The registry is written to disk when the server stops.
for server in wineserver /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver wineserver-stable; do
    if command -v "$server" >/dev/null; then "$server" -w; break; fi
done
touch "$stamp"
