#!/usr/bin/env bash
# Two copies of the game on one desktop save one after the other: the copy
# that saves last never lowers the best that the other one saved.
source "$(dirname "$0")/lib.sh"
ini="$XDG_CONFIG_HOME/ZOL.ini"
printf '[1]\nHI=2000\nHIc=1\n' > "$ini"

"$zolbas" --trace "$work/first.jsonl" 2>/dev/null &
first=$!
others+=("$first")
loaded() { grep -q '"load"' "$1" 2>/dev/null; }
wait_until 30 loaded "$work/first.jsonl" || fail "the first copy did not start"
# Meanwhile a better best arrives in the store: the second copy starts with it.
printf '[1]\nHI=5000\nHIc=3\n' > "$ini"
"$zolbas" --trace "$work/second.jsonl" 2>/dev/null &
second=$!
others+=("$second")
wait_until 30 loaded "$work/second.jsonl" || fail "the second copy did not start"
grep -q '"hiScore":2000' "$work/first.jsonl" || fail "the first copy did not load 2000"
grep -q '"hiScore":5000' "$work/second.jsonl" || fail "the second copy did not load 5000"

# One game each, the second copy saving first: each copy's windows are
# focused before its keys are sent.
# A window shows a moment after its screen's load event: look for a while.
shown_by() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null); do
    [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
focus_window_of() {
  local id
  id=$(wait_until 30 shown_by "$1" "$2") || fail "no window $2 of process $1"
  give_keyboard "$id"
}
saved() { grep -q '"op":"save"' "$1"; }
# The copy's question comes after its save, and takes the keyboard when it
# shows: the next keys must not come before it.
give_up_in() {
  local trace=$1 pid=$2
  focus_window_of "$pid" "ゾルバス  別名　ケルノア"
  xdotool key Return
  focus_window_of "$pid" "ゾルバス"
  xdotool key e
  wait_until 30 saved "$trace" || fail "no save in $trace"
  wait_until 30 shown_by "$pid" "ゲームオーバー" > /dev/null || fail "no question from process $pid"
}
give_up_in "$work/second.jsonl" "$second"
give_up_in "$work/first.jsonl" "$first"
kill -9 "$first" "$second" 2>/dev/null || true
wait "$first" "$second" 2>/dev/null || true

grep -q '"op":"save","hiScore":5000,"maxCombo":3' "$work/first.jsonl" || fail "the first copy lowered the best"
grep -q '^HI=5000$' "$ini" && grep -q '^HIc=3$' "$ini" || { cat "$ini"; fail "the stored best was lowered"; }
echo "two copies ok"
