#!/usr/bin/env bash
# Two copies of the game on one desktop save one after the other: the copy
# that saves last never lowers the best that the other one saved.
source "$(dirname "$0")/lib.sh"
ini="$XDG_CONFIG_HOME/ZOL.ini"
printf '[1]\nHI=2000\nHIc=1\n' > "$ini"

"$zolbas" --trace "$work/first.jsonl" 2>/dev/null &
first=$!
for _ in $(seq 50); do grep -q '"load"' "$work/first.jsonl" 2>/dev/null && break; sleep 0.1; done
# Meanwhile a better best arrives in the store: the second copy starts with it.
printf '[1]\nHI=5000\nHIc=3\n' > "$ini"
"$zolbas" --trace "$work/second.jsonl" 2>/dev/null &
second=$!
for _ in $(seq 50); do grep -q '"load"' "$work/second.jsonl" 2>/dev/null && break; sleep 0.1; done
grep -q '"hiScore":2000' "$work/first.jsonl" || fail "the first copy did not load 2000"
grep -q '"hiScore":5000' "$work/second.jsonl" || fail "the second copy did not load 5000"

# One game each, the second copy saving first: each copy's windows are
# focused before its keys are sent.
# A window shows a moment after its screen's load event: look for a while.
window_of() {
  local id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null); do
      [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return; }
    done
    sleep 0.1
  done
}
give_up_in() {
  local trace=$1 pid=$2 id
  id=$(window_of "$pid" "ゾルバス  別名　ケルノア")
  [ -n "$id" ] || fail "no title window of process $pid"
  xdotool windowfocus --sync "$id"; xdotool key Return
  for _ in $(seq 50); do grep -q '"form":"play"' "$trace" && break; sleep 0.1; done
  sleep 0.2
  id=$(window_of "$pid" "ゾルバス")
  [ -n "$id" ] || fail "no play window of process $pid"
  xdotool windowfocus --sync "$id"; sleep 0.2; xdotool key e
  for _ in $(seq 80); do grep -q '"op":"save"' "$trace" && break; sleep 0.1; done
  grep -q '"op":"save"' "$trace" || fail "no save in $trace"
}
give_up_in "$work/second.jsonl" "$second"
give_up_in "$work/first.jsonl" "$first"
kill -9 "$first" "$second" 2>/dev/null || true
wait "$first" "$second" 2>/dev/null || true

grep -q '"op":"save","hiScore":5000,"maxCombo":3' "$work/first.jsonl" || fail "the first copy lowered the best"
grep -q '^HI=5000$' "$ini" && grep -q '^HIc=3$' "$ini" || { cat "$ini"; fail "the stored best was lowered"; }
echo "two copies ok"
