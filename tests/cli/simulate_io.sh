#!/usr/bin/env bash
# `zolbas --simulate` on a script it cannot read, and with an output it
# cannot write: never taken for a run that went well.
set -u
zolbas=${1:?path to zolbas}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# $1: the status expected; $2: what standard error must say, in one line.
expect() {
  if [ "$status" != "$1" ] || [ "$(wc -l < "$work/err")" != 1 ] || ! grep -q "$2" "$work/err"; then
    printf 'FAIL %s: status %s, said:\n' "$3" "$status" >&2
    cat "$work/err" >&2
    failed=1
  fi
}

"$zolbas" --simulate "$work" > /dev/null 2> "$work/err"; status=$?
expect 2 "cannot read the script" "a folder as the script"
"$zolbas" --simulate - < "$work" > /dev/null 2> "$work/err"; status=$?
expect 2 "cannot read the script" "a folder as standard input"
printf 'click play\nticks 1\n' > "$work/script"
"$zolbas" --simulate "$work/script" > /dev/full 2> "$work/err"; status=$?
expect 1 "cannot write the events: No space left on device" "a full disk as standard output"
exit $failed
