#!/bin/bash
# Rewrites every tests/golden/NAME.expected from what the current program
# prints for NAME.script. Run it after a deliberate change of the game's
# behaviour, then read the diff of the .expected files line by line before
# committing them: a golden file is only worth what its numbers are checked.
#
# usage: tests/golden/regenerate.sh ZOLBAS     (the zolbas executable to run)
set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 ZOLBAS" >&2
    exit 64
fi
zolbas=$1
here=$(cd "$(dirname "$0")" && pwd)

for script in "$here"/*.script; do
    name=$(basename "$script" .script)
    "$zolbas" --simulate "$script" >"$here/$name.expected" 2>/dev/null
    echo "$name: exit status $?, $(wc -l <"$here/$name.expected") events"
done
