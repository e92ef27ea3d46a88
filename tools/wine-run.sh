#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix named by WINEPREFIX (made
# by tools/wine-prefix.sh): without Wine's debug chatter, with UTF-8
# arguments, and with the program's own exit status.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix made by tools/wine-prefix.sh}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} LC_ALL=C.UTF-8
# Debian's `wine` asks for a 32-bit Wine it does not need here; the 64-bit
# loader runs 64-bit programs alone.
for loader in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$loader" >/dev/null; then
        [[ $loader == */wine64 || $loader == wine64 ]] && export WINELOADER=${WINELOADER:-$(command -v "$loader")}
        exec "$loader" "$@"
    fi
done
echo "wine-run.sh: Wine is not installed (tools/install-deps.sh windows)" >&2
exit 127
