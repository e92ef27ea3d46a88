#!/usr/bin/env bash
# A player starts the game, presses Enter on the title screen (Play has the
# focus) and looks at the play window.
source "$(dirname "$0")/lib.sh"

start_game
enter_game

eval "$(xdotool getwindowgeometry --shell "$play")"
[ "$WIDTH" = 577 ] && [ "$HEIGHT" = 409 ] || fail "the play window is ${WIDTH}x${HEIGHT}, not 577x409"

painted() {
  shot=$(screenshot "$play" play-screen)
  [ "$(pixel "$shot" 300 200)" = "255,128,0" ]
}
wait_until 10 painted || true   # the checks below say what is missing
expect_pixel "$shot" 300 200 "255,128,0" "the orange sky"
expect_pixel "$shot" 3 3 "255,0,0" "the red status line"
expect_pixel "$shot" 3 400 "128,64,0" "the brown ground band"
expect_pixel "$shot" 12 386 "0,255,255" "the best score box"
expect_pixel "$shot" 390 386 "0,255,255" "the best combo box"
# "ＯＵＴ　ＺＯＮＥ" in cyan on the band, between the two boxes: real glyphs
# give a few hundred text pixels, boxes for missing glyphs a thin outline.
text=$(count_colour "$shot" "0,255,255" "190x33+193+376")
[ "$text" -gt 150 ] || fail "the band's text has only $text cyan pixels"
grep -q '"ev":"tick"' "$work/trace.jsonl" || fail "no tick in the trace"
echo "play window ok: 577x409, $text text pixels; screenshot $shot"
