#!/usr/bin/env bash
# Full screen on a 1920×1080 monitor:
# F11 on the title, the play screen opens full screen at twice its size,
# centred on black, its pictures doubled without smoothing, the time-out box
# above it with the keys; Alt+Enter returns to a window, Ctrl+Plus doubles
# it, and the choice is kept in zolbas.ini for the next run.
source "$(dirname "$0")/lib.sh"

# A monitor of its own.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset 3> "$work/display" 2> /dev/null &
server=$!
trap 'finish; kill $server 2> /dev/null || true' EXIT
wait_until 30 test -s "$work/display" || fail "no X server"
export DISPLAY=":$(cat "$work/display")"

geometry_is() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ]
}

start_game
title=$(focused_window "ゾルバス  別名　ケルノア")
xdotool key F11
wait_until 30 geometry_is "$title" 1920 1080 || fail "the title is ${WIDTH}x${HEIGHT} after F11"
xdotool key Return
play=$(focused_window "ゾルバス")
wait_until 30 geometry_is "$play" 1920 1080 || fail "the play screen opened at ${WIDTH}x${HEIGHT}"
wait_for_event '"ev":"tick"'
xdotool key Return   # the time-out box holds the meteorite still
wait_for_event '"ev":"msgbox"'
box=$(focused_window "ゾルバス")
shot=$(screenshot root full-screen-play)

check_full_screen_play "$shot" "$box"
xdotool key Return
wait_for_event '"ev":"answer"'

give_keyboard "$play"
xdotool key alt+Return
wait_until 30 geometry_is "$play" 577 409 || fail "Alt+Enter left the play screen at ${WIDTH}x${HEIGHT}"
xdotool key ctrl+plus
wait_until 30 geometry_is "$play" 1154 818 || fail "Ctrl+Plus made the play window ${WIDTH}x${HEIGHT}"
grep -q '^fullscreen=0$' "$XDG_CONFIG_HOME/zolbas.ini" && grep -q '^window_scale=2$' "$XDG_CONFIG_HOME/zolbas.ini" ||
  fail "zolbas.ini holds: $(cat "$XDG_CONFIG_HOME/zolbas.ini")"
# Alt+Enter is no Enter to the game: no second time-out.
[ "$(grep -c '"ev":"msgbox"' "$work/trace.jsonl")" = 1 ] || fail "Alt+Enter reached the game"
kill "$pid"   # and SIGTERM still ends the game, pads read or not
wait_for_exit "SIGTERM"
pid=

# The next run opens as the last one was left.
start_game
title=$(window_named "ゾルバス  別名　ケルノア")
wait_until 30 geometry_is "$title" 904 518 || fail "the title opened at ${WIDTH}x${HEIGHT}, not at 2×"
echo "full screen at 2× centred on 1920x1080, meteorite in $colours colours; window at 2× kept"
