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
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
pid=

finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_game() {
  "$zolbas" --trace "$work/trace.jsonl" "$@" 2> "$work/stderr" &
  pid=$!
}

# The id of the visible window whose title is exactly $1, in WM_NAME and in
# the _NET_WM_NAME that title bars show.
window_named() {
  local name=$1 id shown
  for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
      shown=$(xprop -id "$id" _NET_WM_NAME)
      [ "$shown" = "_NET_WM_NAME(UTF8_STRING) = \"$name\"" ] || fail "the window $name shows ${shown#*= } in its title bar"
      echo "$id"
      return 0
    done
    sleep 0.1
  done
  cat "$work/stderr" >&2 2>/dev/null || true
  fail "no window named $name"
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

# Waits until the trace holds a line matching $1.
wait_for_event() {
  for _ in $(seq 100); do
    grep -q "$1" "$work/trace.jsonl" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no event matching $1 in the trace"
}

window_gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window $1 is still there"
}

# Presses Return on the title screen, where Play has the focus, and waits
# for the play window's first tick; $play is that window.
enter_game() {
  window_named "ゾルバス  別名　ケルノア" > /dev/null
  sleep 0.3
  xdotool key Return
  play=$(window_named "ゾルバス")
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
  sleep 0.2
  xdotool key Escape
  wait_for_event '"ev":"end"'
  for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Cancel did not end the program"
  pid=
}
