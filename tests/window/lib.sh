# Helpers of the windowed tests: start the game on the test's X display,
# find its windows, look at pixels of screenshots.
set -euo pipefail

zolbas=${1:?path to zolbas}
# Window titles are Japanese: xdotool matches them only in a UTF-8 locale,
# which a bare environment (a fresh machine's CI) may not have set.
export LC_ALL=C.UTF-8
artefacts=${ZOLBAS_ARTEFACTS:-$(dirname "$zolbas")/test-artefacts}
mkdir -p "$artefacts"
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Without a session bus, libdbus forks to start one; under the sanitizers
# that child can hang before it execs, keep the game's X connection open,
# and leave its windows on the display for the next test to find.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
pid=
# Other games a test started itself; they go with it, whatever happens.
others=()

finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ ${#others[@]} -eq 0 ] || kill "${others[@]}" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap finish EXIT

# What the display shows, for a failure to say.
shown_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  window $id \"$(xdotool getwindowname "$id" 2>/dev/null)\" of process $(xdotool getwindowpid "$id" 2>/dev/null)"
  done
}

fail() {
  echo "FAIL: $*" >&2
  shown_windows >&2
  exit 1
}

start_game() {
  "$zolbas" --trace "$work/trace.jsonl" "$@" 2> "$work/stderr" &
  pid=$!
  play=   # a new program's windows may reuse the last one's ids
}

# Runs "$@" every tenth of a second until it succeeds; fails after $1
# seconds. Deadlines are generous: a loaded machine is slow, never wrong.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# The id of the visible window whose title is exactly $1, in WM_NAME and in
# the _NET_WM_NAME that title bars show; not the play window $play where
# the title is a box's that shares it.
visible_window() {
  local id shown
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [ "$id" != "${play:-}" ] || continue
    shown=$(xprop -id "$id" _NET_WM_NAME)
    [ "$shown" = "_NET_WM_NAME(UTF8_STRING) = \"$1\"" ] || fail "the window $1 shows ${shown#*= } in its title bar"
    echo "$id"
    return 0
  done
  return 1
}

window_named() {
  wait_until 30 visible_window "$1" && return 0
  cat "$work/stderr" >&2 2>/dev/null || true
  fail "no window named $1"
}

# Keys go to the window with the keyboard focus. There is no window manager
# to give a new window the focus, and neither Qt nor Wine take it alone in
# every case: the test hands it over, as a desktop would, and waits until
# the server has done it.
give_keyboard() {
  timeout 30 xdotool windowfocus --sync "$1" 2>/dev/null ||
    fail "the window $1 ($(xdotool getwindowname "$1" 2>&1)) never got the keyboard"
}

# The colour of pixel (x, y) of a PNG as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "pixel ($2,$3) of $(basename "$1") is $got, not $4 ($5)"
}

# Counts pixels of colour $2 ("r,g,b") inside geometry $3 (WxH+X+Y).
count_colour() {
  convert "$1" -crop "$3" +repage -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}

screenshot() {
  import -window "$1" "$artefacts/$2.png"
  echo "$artefacts/$2.png"
}

has_event() { grep -q "$1" "$work/trace.jsonl" 2>/dev/null; }

# Waits until the trace holds a line matching $1.
wait_for_event() { wait_until 30 has_event "$1" || fail "no event matching $1 in the trace"; }

no_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
window_gone() { wait_until 30 no_window "$1" || fail "the window $1 is still there"; }

process_gone() { ! kill -0 "$1" 2>/dev/null; }
# Waits for the game to end by itself; $1 says what should have ended it.
wait_for_exit() {
  wait_until 30 process_gone "$pid" && return 0
  ps -L -o pid,stat,wchan:24,comm -p "$pid" >&2 || true
  fail "$1 did not end the program"
}

# The id of the window titled $1, once it has the keyboard.
focused_window() {
  local id
  id=$(window_named "$1")
  give_keyboard "$id"
  echo "$id"
}

# Presses Return on the title screen, where Play has the focus, and waits
# for the play window's first tick and for it to have the keyboard; $play is
# that window.
enter_game() {
  focused_window "ゾルバス  別名　ケルノア" > /dev/null
  xdotool key Return
  play=$(focused_window "ゾルバス")
  wait_for_event '"ev":"tick"'
}

# Starts a game from the title screen and gives it up at once with E;
# waits for the explosion to have been shown.
play_and_give_up() {
  enter_game
  xdotool key e
  wait_for_event '"ev":"gameover"'
}

# Ends a running game's program with Cancel on the game-over question.
answer_cancel_and_end() {
  wait_for_event '"text":"得点-'
  focused_window "ゲームオーバー" > /dev/null
  xdotool key Escape
  wait_for_event '"ev":"end"'
  wait_for_exit "Cancel"
  pid=
}

# The play screen full screen at 2x on a 1920x1080 monitor, in screenshot $1,
# with the time-out box $2 open: the 577x409 screen centred, (383, 131) to
# (1537, 949), black around it, the meteorite in its own colours only, the
# box over the screen and not hidden. Leaves the meteorite's colours in
# $colours.
check_full_screen_play() {
  local shot=$1 box=$2 tick left top x y info bx by bw bh
  expect_pixel "$shot" 380 500 "0,0,0" "black left of the screen"
  expect_pixel "$shot" 1540 500 "0,0,0" "black right of the screen"
  expect_pixel "$shot" 960 128 "0,0,0" "black above the screen"
  expect_pixel "$shot" 960 952 "0,0,0" "black below the screen"
  expect_pixel "$shot" 385 133 "255,0,0" "the status line's red at the screen's corner"
  tick=$(grep '"ev":"tick"' "$work/trace.jsonl" | tail -1)
  left=$(sed 's/.*"left":\[\([-0-9.]*\),.*/\1/' <<< "$tick")
  top=$(sed 's/.*"top0":\([-0-9.]*\),.*/\1/' <<< "$tick")
  x=$((383 + ${left%.*} * 2 / 15)); y=$((131 + ${top%.*} * 2 / 15))
  [ "$y" -ge 181 ] || y=181   # below the status line
  colours=$(convert "$shot" -crop "82x30+$x+$y" +repage -format "%k" info:)
  [ "$colours" -le 17 ] || fail "the meteorite shows $colours colours: it was smoothed"
  # xwininfo gives where the box's client area is; xdotool would count a
  # frame's title bar in.
  info=$(xwininfo -id "$box")
  bx=$(sed -n 's/.*Absolute upper-left X: *//p' <<< "$info"); by=$(sed -n 's/.*Absolute upper-left Y: *//p' <<< "$info")
  bw=$(sed -n 's/.*Width: *//p' <<< "$info"); bh=$(sed -n 's/.*Height: *//p' <<< "$info")
  [ "$bx" -gt 383 ] && [ $((bx + bw)) -lt 1537 ] && [ "$by" -gt 131 ] && [ $((by + bh)) -lt 949 ] ||
    fail "the box at ${bw}x${bh}+$bx+$by is not over the screen"
  [ "$(pixel "$shot" $((bx + bw / 2)) $((by + bh - 5)))" != "255,128,0" ] || fail "the box at ${bw}x${bh}+$bx+$by is hidden"
}
