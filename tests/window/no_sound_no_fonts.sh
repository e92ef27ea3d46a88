#!/usr/bin/env bash
# The game without what it would like to have: no audio device, no sound
# files beside it, no Japanese fonts, no room for its trace, no
# XDG_RUNTIME_DIR. Each time it starts, plays, and says at most one line
# about what is missing.
source "$(dirname "$0")/lib.sh"
unset XDG_RUNTIME_DIR

ticked() { [ "$(grep -c '"ev":"tick"' "$work/trace.jsonl")" -gt "$1" ]; }

play_a_while() {
  : > "$work/trace.jsonl"
  start_game
  enter_game
  xdotool keydown Down
  wait_until 30 ticked 20 || fail "$1: the game did not play"
  xdotool keyup Down
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
  lines=$(wc -l < "$work/stderr")
  [ "$lines" -le 1 ] || { cat "$work/stderr"; fail "$1: $lines lines on standard error"; }
}

SDL_AUDIODRIVER=no-such-driver play_a_while "no audio device"

mkdir "$work/bare"
cp "$zolbas" "$work/bare/zolbas"
zolbas="$work/bare/zolbas" play_a_while "no sound files"
grep -q '"ev":"sound"' "$work/trace.jsonl" && fail "a sound played that is not there"

mkdir "$work/fc"
cat > "$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$work/fc</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/fonts.conf" play_a_while "no Japanese fonts"

# The trace cannot be written from its first event on: a warning, and the
# game still opens its play window.
"$zolbas" --trace /dev/full 2> "$work/stderr" &
pid=$!
play=
focused_window "ゾルバス  別名　ケルノア" > /dev/null
xdotool key Return
window_named "ゾルバス" > /dev/null
kill -0 "$pid" || fail "the game ended on a trace it cannot write"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
[ "$(wc -l < "$work/stderr")" = 1 ] && grep -q 'cannot write the trace file /dev/full' "$work/stderr" ||
  { cat "$work/stderr"; fail "not one warning about the trace"; }
echo "no sound, no fonts ok"
