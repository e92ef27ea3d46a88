#!/usr/bin/env bash
# `zolbas.exe --simulate` as on Linux wherever its script is: in a folder
# with a Japanese name, read from standard input, with a Ctrl-Z byte in a
# comment (text mode would end the script there); events and --version
# end their lines with LF alone.
#
# usage: simulate_anywhere.sh ZOLBAS_COMMAND GOLDEN_FOLDER
set -euo pipefail
zolbas=${1:?command that runs zolbas.exe}
golden=${2:?tests/golden}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/ゾルバス の台本"
mkdir "$folder"
{ head -n 1 "$golden/example.script"; printf '# a Ctrl-Z byte: \x1a\n'; tail -n +2 "$golden/example.script"; } >"$folder/example.script"

"$zolbas" --simulate "$folder/example.script" >"$work/from-file"
cmp "$golden/example.expected" "$work/from-file"
"$zolbas" --simulate - <"$folder/example.script" >"$work/from-stdin"
cmp "$golden/example.expected" "$work/from-stdin"
"$zolbas" --version >"$work/version"
if grep -q $'\r' "$work/version"; then echo "--version wrote CR LF" >&2; exit 1; fi
grep -Eq '^zolbas [0-9]+\.[0-9]+' "$work/version"
echo "ok: a Japanese folder, standard input, Ctrl-Z, LF line ends"
