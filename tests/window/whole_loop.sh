#!/usr/bin/env bash
# A player plays a whole round with real key presses: Play, holds Down and
# steers, gives up with E, watches the explosion, answers OK, opens the help
# screen and closes it, and ends the program with END.
source "$(dirname "$0")/lib.sh"

start_game
enter_game
before=$(screenshot "$play" status-before)

# Ticks that saw these keys held ("1,0,1": Left and Down).
ticks_holding() { [ "$(grep -c "\"keyState\":\[$1\]" "$work/trace.jsonl")" -ge "$2" ]; }
xdotool keydown Down
wait_until 30 ticks_holding "0,0,1" 25 || fail "Down not read as held"
xdotool keydown Left
wait_until 30 ticks_holding "1,0,1" 3 || fail "Left not read as held"
xdotool keyup Left
wait_until 30 ticks_holding "0,0,1" 45 || fail "Down not read as held after Left"
xdotool keyup Down

# How evenly the ticks come is measured by bench/pacing.sh, on a quiet
# machine; here no tick may come early.
python3 - "$work/trace.jsonl" <<'PY' || fail "the ticks of the trace"
import json, statistics, sys
ticks = [json.loads(l) for l in open(sys.argv[1]) if '"tick"' in l]
gaps = [b["lastTick"] - a["lastTick"] for a, b in zip(ticks, ticks[1:])]
assert len(ticks) > 40, len(ticks)
assert min(gaps) >= 51, f"two ticks {min(gaps)} ms apart"
assert ticks[-1]["score"] > 0, "the score did not rise"
# Down was held for about two and a half seconds, past the keyboard's
# auto-repeat delay: the ticks that saw it held follow each other without a gap.
held = [i for i, t in enumerate(ticks) if t["keyState"][2] == 1]
assert len(held) > 40 and held == list(range(held[0], held[-1] + 1)), "Down read as released while held"
assert str(ticks[-1]["score"]) in ticks[-1]["label1"]
print(f"{len(ticks)} ticks, gaps {min(gaps)}..{max(gaps)} ms, median {statistics.median(gaps)}, score {ticks[-1]['score']}")
PY
status_changed() {
  local after changed
  after=$(screenshot "$play" status-after)
  changed=$(compare -metric AE -crop 577x25+0+0 "$before" "$after" null: 2>&1 || true)
  [ "${changed%% *}" -gt 50 ]
}
wait_until 10 status_changed || fail "the status line did not change"

# That no key reaches the game while the explosion is shown is checked where
# it is decided, on the game's clock (KeyFilterTest): here the show would
# have to be caught in its second and a half.
xdotool key e
wait_for_event '"ev":"gameover"'
x0=$(grep '"ev":"gameover"' "$work/trace.jsonl" | sed 's/.*"x0":\([-0-9.]*\).*/\1/')
cx=$(( ${x0%.*} / 15 ))
# The blast is a red disc on the form behind the controls: above the ground
# band its pixels are pure red, brighter outwards. The last strokes are
# painted just after the game goes on, so look until they are there.
red_disc() {
  local shot d x r g b
  shot=$(screenshot "$play" game-over)
  red=0
  for d in 12 18 24 30 36; do
    for x in $(( cx - d )) $(( cx + d )); do
      [ "$x" -ge 0 ] && [ "$x" -lt 577 ] || continue
      IFS=, read -r r g b <<< "$(pixel "$shot" "$x" $(( 375 - 4 )))"
      [ "$g" = 0 ] && [ "$b" = 0 ] && [ "$r" -gt 0 ] && red=$(( red + 1 ))
    done
  done
  [ "$red" -ge 3 ]
}
wait_until 10 red_disc || fail "no red disc at the meteorite's last place (x $cx): $red red points"
wait_for_event '"text":"得点-'
focused_window "ゲームオーバー" > /dev/null

xdotool key Return
title=$(focused_window "ゾルバス  別名　ケルノア")
window_gone "ゾルバス"
grep -q '^HI=' "$XDG_CONFIG_HOME/ZOL.ini" || fail "ZOL.ini holds no best score"
best=$(grep '"op":"save"' "$work/trace.jsonl" | sed 's/.*"hiScore":\([-0-9]*\).*/\1/')
grep -q "^HI=$best\$" "$XDG_CONFIG_HOME/ZOL.ini" || fail "ZOL.ini does not hold HI=$best"
screenshot "$title" title-again > /dev/null

xdotool key Tab Return
helpwin=$(focused_window "ヘルプ！！")
# The document's first line is dark text at the top of the box.
first_line_shown() {
  local shot
  shot=$(screenshot "$helpwin" help)
  dark=$(convert "$shot" -crop 400x16+26+10 +repage -threshold 50% -negate -format "%[fx:int(mean*w*h+0.5)]" info:)
  [ "$dark" -gt 100 ]
}
wait_until 10 first_line_shown || fail "the help document's first line is not there ($dark dark pixels)"
xdotool key Return
window_gone "ヘルプ！！"

eval "$(xdotool getwindowgeometry --shell "$title")"
xdotool mousemove $(( X + 200 )) $(( Y + 241 )) click 1
wait_for_exit "END"
wait "$pid" || fail "the program ended with status $?"
pid=
grep -q '"ev":"end"' "$work/trace.jsonl" || fail "no end event"
echo "whole loop ok"
