#!/bin/bash
# Runs one golden script through `zolbas --simulate` and compares the events
# it prints with the expected ones, line for line, and its exit status with
# the one the script names in its first line ("# exit 2"; 0 when it names
# none). On a difference it prints the diff and fails.
#
# usage: run_golden.sh ZOLBAS SCRIPT EXPECTED
set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 ZOLBAS SCRIPT EXPECTED" >&2
    exit 64
fi
zolbas=$1
script=$2
expected=$3

want_status=0
if [[ $(head -n 1 "$script") =~ ^#\ exit\ ([0-9]+) ]]; then
    want_status=${BASH_REMATCH[1]}
fi

actual=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$actual" "$errors"' EXIT

"$zolbas" --simulate "$script" >"$actual" 2>"$errors"
status=$?

failed=0
if [ "$status" -ne "$want_status" ]; then
    echo "$script: exit status $status, expected $want_status" >&2
    cat "$errors" >&2
    failed=1
fi
if ! diff -u --label expected --label actual "$expected" "$actual"; then
    echo "$script: the events differ from $expected" >&2
    failed=1
fi
exit $failed
