#!/usr/bin/env bash
# At 200 % the play window doubles in size and its sprites stay pixel art:
# no blurred in-between colours where the meteorite is drawn.
source "$(dirname "$0")/lib.sh"
export QT_SCALE_FACTOR=2

start_game
enter_game
xdotool key Return   # the time-out box holds the meteorite still
wait_for_event '"ev":"msgbox"'
focused_window "ゾルバス" > /dev/null   # the box, in the game's name
shot=$(screenshot "$play" play-screen-200)
eval "$(xdotool getwindowgeometry --shell "$play")"
[ "$WIDTH" = 1154 ] && [ "$HEIGHT" = 818 ] || fail "the window is ${WIDTH}x${HEIGHT} at 200 %, not 1154x818"

left=$(grep '"ev":"tick"' "$work/trace.jsonl" | tail -1 | sed 's/.*"left":\[\([-0-9.]*\),.*/\1/')
top=$(grep '"ev":"tick"' "$work/trace.jsonl" | tail -1 | sed 's/.*"top0":\([-0-9.]*\),.*/\1/')
x=$(( ${left%.*} * 2 / 15 )); y=$(( ${top%.*} * 2 / 15 ))
[ "$y" -ge 50 ] || y=50   # below the status line
colours=$(convert "$shot" -crop "82x30+$x+$y" +repage -format "%k" info:)
[ "$colours" -le 17 ] || fail "the meteorite shows $colours colours: it was smoothed"
echo "sharp at 200 %: ${WIDTH}x${HEIGHT}, meteorite in $colours colours"
