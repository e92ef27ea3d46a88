# Helpers of the benchmarks that play the windowed game under a virtual X
# server. Most need $work (a scratch folder, see use_scratch_folder) and a
# display (see use_own_display).

# use_own_display "$@": with no display, runs the calling script again under
# a virtual X server of its own. A display number of its own: other virtual
# X servers come and go. Without -noreset the server resets when its last
# client goes, and a program started at that moment cannot connect.
use_own_display() {
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -n $((200 + RANDOM % 700)) -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
  fi
}

# A scratch folder in $work, removed on exit with every process listed in
# $pids; the game's settings go in it, and its sound to SDL's dummy device
# unless SDL_AUDIODRIVER says otherwise.
use_scratch_folder() {
  work=$(mktemp -d)
  pids=()
  trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
  export XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  mkdir -p "$XDG_CONFIG_HOME"
}

# copy_without_tune BUILD FOLDER: the game in a folder of its own, with its
# cues and no music1.mid.
copy_without_tune() {
  mkdir "$2"
  cp "$1/zolbas" "$1/snd.wav" "$1/lvup.wav" "$2/"
}

# "thread-id thread-name nanoseconds" for every thread of the processes.
threads() {
  local pid task
  for pid in "$@"; do
    for task in /proc/"$pid"/task/*; do
      printf '%s %s %s\n' "${task##*/}" "$(tr ' ' _ < "$task/comm")" "$(cut -d' ' -f1 "$task/schedstat")"
    done 2>/dev/null
  done
}

wait_for_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "no window named $1; the programs said:" >&2
  cat "$work/stderr" >&2 2>/dev/null || true
  exit 1
}

# Waits until the tune's rendering thread has worked and then stopped: the
# tune plays from memory from then on.
wait_for_rendering() {
  local pid=$1 last=-1 now
  for _ in $(seq 600); do
    now=$(threads "$pid" | awk '$2 == "zolbas-render" { sum += $3; found = 1 } END { if (found) print sum }')
    if [ -n "$now" ] && [ "$now" = "$last" ] && [ "$now" -gt 0 ]; then return 0; fi
    last=${now:--1}
    sleep 1
  done
  echo "the tune was not rendered within ten minutes" >&2
  exit 1
}

# start_game FOLDER [TRACE]: starts the game, writing its events to TRACE if
# given, and leaves its pid in $game.
start_game() {
  "$1/zolbas" ${2:+--trace "$2"} 2>> "$work/stderr" &
  game=$!
  pids+=("$game")
  wait_for_window "ゾルバス  別名　ケルノア"
}

# events TRACE PATTERN: how many events of the trace match.
events() { grep -c "$2" "$1" 2>/dev/null || true; }

# The names of the game's visible windows, one a line.
game_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do xdotool getwindowname "$id"; done | sort
}

# enter_game [TRACE]: Return on the title screen, then waits for the new
# game's first tick: from the trace if there is one, else for the play
# window and a second of play (a game without --trace costs what a
# player's does).
enter_game() {
  local before
  before=$(events "${1:-/dev/null}" '"ev":"tick"')
  sleep 0.5
  xdotool key Return
  wait_for_window "ゾルバス"
  if [ -z "${1:-}" ]; then sleep 1; return 0; fi
  for _ in $(seq 100); do [ "$(events "$1" '"ev":"tick"')" -gt "$before" ] && return 0; sleep 0.1; done
  echo "the game did not start" >&2
  exit 1
}
