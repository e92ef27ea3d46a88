#!/usr/bin/env bash
# The game's memory over five games in a row, under a virtual X server: the
# resident memory (VmRSS) on the title screen before the first game, during
# each game once the tune plays from memory, and back on the title screen
# after each; then, for comparison, during a game with no music1.mid beside
# the executable (nothing rendered, the synthesizer kept).
#
#   bench/memory.sh BUILD_DIR
set -euo pipefail
export LC_ALL=C.UTF-8   # the game's window titles are Japanese
build=$(cd "${1:?build folder}" && pwd)
games=5
source "$(dirname "$0")/lib.sh"
use_own_display "$@"
use_scratch_folder

mib() { awk -v key="$2:" '$1 == key { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# Gives the game up with E and answers OK to the question: the title again.
give_up() {
  local before
  before=$(events "$1" '"ev":"gameover"')
  xdotool key e
  for _ in $(seq 100); do [ "$(events "$1" '"ev":"gameover"')" -gt "$before" ] && break; sleep 0.1; done
  sleep 2   # the explosion, then the question
  xdotool key Return
  wait_for_window "ゾルバス  別名　ケルノア"
  sleep 1
}

trace="$work/trace.jsonl"
start_game "$build" "$trace"
sleep 1
echo "title screen before the first game: $(mib "$game" VmRSS) MiB"
for round in $(seq "$games"); do
  enter_game "$trace"
  [ "$round" = 1 ] && [ "$SDL_AUDIODRIVER" != none ] && wait_for_rendering "$game"
  sleep 3
  playing=$(mib "$game" VmRSS)
  give_up "$trace"
  echo "game $round: playing $playing MiB, title screen after it $(mib "$game" VmRSS) MiB"
done
echo "peak (VmHWM): $(mib "$game" VmHWM) MiB"
kill "$game"; wait "$game" 2>/dev/null || true

copy_without_tune "$build" "$work/no-tune"
start_game "$work/no-tune" "$work/no-tune.jsonl"
enter_game "$work/no-tune.jsonl"
sleep 3
echo "no music1.mid: playing $(mib "$game" VmRSS) MiB"
