#!/usr/bin/env bash
# Settings files that are not what the game wrote, and a configuration
# folder that cannot be written: the game starts, plays, tells the player,
# and leaves valid best values behind whenever it can.
source "$(dirname "$0")/lib.sh"
ini="$XDG_CONFIG_HOME/ZOL.ini"

run_round() {
  : > "$work/trace.jsonl"
  start_game
  play_and_give_up
  answer_cancel_and_end
}

# Not INI at all, binary garbage, values out of range.
for content in 'this is not an ini file at all' $'\x00\x01\xff\xfe[1]\nHI=5\x00' $'[1]\nHI=99999999999\nHIc=-99999999999\n'; do
  printf '%s' "$content" > "$ini"
  run_round
  grep -q '"op":"load","hiScore":1000,"maxCombo":0' "$work/trace.jsonl" || fail "bad values did not load as the defaults"
  grep -q '^HI=1000$' "$ini" && grep -q '^HIc=0$' "$ini" || { cat "$ini"; fail "the save did not write valid values over bad ones"; }
done
[ "$(grep -c 'not a number' "$work/stderr")" = 2 ] || { cat "$work/stderr"; fail "one warning line per bad value"; }

# A stored best survives a game that does not beat it.
printf '[1]\nHI=12345\nHIc=7\n' > "$ini"
run_round
grep -q '^HI=12345$' "$ini" && grep -q '^HIc=7$' "$ini" || fail "the stored best was lost"

# A folder that cannot be written: the warning comes first, then the question.
rm -f "$ini"; mkdir "$ini"
: > "$work/trace.jsonl"
start_game
play_and_give_up
focused_window "ゾルバス" > /dev/null   # the warning, in the game's name
has_event '"text":"得点-' && fail "the question came before the warning"
kill -0 "$pid" || fail "the program ended on a store it cannot write"
xdotool key Return   # OK on the warning
answer_cancel_and_end
echo "bad settings ok"
