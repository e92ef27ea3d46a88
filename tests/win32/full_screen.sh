#!/usr/bin/env bash
# Full screen under Wine on a 1920×1080 monitor: Alt+Enter on the title,
# the play screen opens full screen at twice its size, centred on black,
# its pictures doubled without smoothing, the time-out box above it with
# the keys; Alt+Enter returns to a window, Ctrl+Plus doubles it, and the
# choice is kept in the registry for the next run.
#
# usage: full_screen.sh ZOLBAS_COMMAND   (with WINEPREFIX set)
source "$(dirname "$0")/../window/lib.sh"
here=$(cd "$(dirname "$0")/../.." && pwd)
display_key='HKCU\Software\zolbas\display'
reg() { "$here/tools/wine-run.sh" reg "$@"; }
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv=d"

# Wine keeps one server for the prefix, and the display its first program
# found stays the server's until it ends: this test has the prefix alone
# (it runs serially), lets the last test's server end before it starts on
# a display of its own, and ends its own before that display goes.
wine_server() {
  local server
  for server in wineserver /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver wineserver-stable; do
    if command -v "$server" > /dev/null; then "$server" "$@"; return; fi
  done
}
wine_server -w
# A monitor of its own. The prefix leaves the windows to Wine (no window
# manager places them), so Wine's own frame is part of an X window.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset 3> "$work/display" 2> /dev/null &
server=$!
wait_until 30 test -s "$work/display" || fail "no X server"
export DISPLAY=":$(cat "$work/display")"
# The mode is the prefix's, shared with the other tests: each run starts
# and leaves it in a window at 1×.
forget_mode() { reg delete "$display_key" /f > /dev/null 2>&1 || true; }
cleanup() {
  finish
  forget_mode
  wine_server -k || true   # what still runs on this display
  wine_server -w || true
  kill "$server" 2> /dev/null || true
}
trap cleanup EXIT
trap 'exit 143' TERM
forget_mode

geometry_is() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ]
}

start_game
title=$(focused_window "ゾルバス  別名　ケルノア")
# The title's 452×259 client area at 1× gives the frame's size.
eval "$(xdotool getwindowgeometry --shell "$title")"
frame_w=$((WIDTH - 452)) frame_h=$((HEIGHT - 259))
xdotool key alt+Return
wait_until 30 geometry_is "$title" 1920 1080 || fail "the title is ${WIDTH}x${HEIGHT} after Alt+Enter"
xdotool key Return
play=$(focused_window "ゾルバス")
wait_until 30 geometry_is "$play" 1920 1080 || fail "the play screen opened at ${WIDTH}x${HEIGHT}"
wait_for_event '"ev":"tick"'
xdotool key Return   # the time-out box holds the meteorite still
wait_for_event '"ev":"msgbox"'
box=$(focused_window "ゾルバス")
shot=$(screenshot root windows-full-screen-play)

check_full_screen_play "$shot" "$box"
xdotool key Return
wait_for_event '"ev":"answer"'

give_keyboard "$play"
xdotool key alt+Return
wait_until 30 geometry_is "$play" $((577 + frame_w)) $((409 + frame_h)) || fail "Alt+Enter left the play screen at ${WIDTH}x${HEIGHT}"
xdotool key ctrl+plus
wait_until 30 geometry_is "$play" $((1154 + frame_w)) $((818 + frame_h)) || fail "Ctrl+Plus made the play window ${WIDTH}x${HEIGHT}"
stored=$(reg query "$display_key" | tr -d '\r')
grep -Eq 'fullscreen +REG_SZ +0$' <<< "$stored" && grep -Eq 'window_scale +REG_SZ +2$' <<< "$stored" ||
  fail "the registry holds: $stored"
xdotool key e
wait_for_event '"ev":"gameover"'
answer_cancel_and_end

# The next run opens as the last one was left.
start_game
title=$(window_named "ゾルバス  別名　ケルノア")
wait_until 30 geometry_is "$title" $((904 + frame_w)) $((518 + frame_h)) || fail "the title opened at ${WIDTH}x${HEIGHT}, not at 2×"
give_keyboard "$title"
xdotool key Tab Tab Return   # END
wait_for_exit "END"
pid=
echo "full screen at 2× centred on 1920x1080, meteorite in $colours colours; window at 2× kept"
