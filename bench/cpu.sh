#!/usr/bin/env bash
# The game's processor time beside its floor, taking turns in one run under
# a virtual X server: the title screen; play with the tune once the sound
# font has loaded and the tune has been rendered ahead; play with Down held
# (crushes, banner); play with no music1.mid beside the executable; the
# floor, two programs side by side: bench/FloorWindow.cpp (a Qt window
# moving one label every 51 ms) and bench/FloorMixer.cpp (SDL2_mixer mixing
# silence); the floor again with Down held in its window; and play in full
# screen (2× on this display) beside play in its window. Each is measured
# ROUNDS times for SECONDS from the processor time of all its
# threads (/proc/PID/task/*/schedstat); the medians are printed in % of one
# core with their ratios to the floor. The game runs without --trace, as a
# player runs it.
#
#   bench/cpu.sh BUILD_DIR [SECONDS] [ROUNDS]
set -euo pipefail
export LC_ALL=C.UTF-8   # the game's window titles are Japanese
build=$(cd "${1:?build folder}" && pwd)
seconds=${2:-10}
rounds=${3:-3}
source "$(dirname "$0")/lib.sh"
use_own_display "$@"
use_scratch_folder
copy_without_tune "$build" "$work/no-tune"

# measure LABEL PID...: the processor time of the processes over $seconds,
# in % of one core, appended to results; per-thread shares to threads.
measure() {
  local label=$1 t0 t1
  shift
  threads "$@" > "$work/before"
  t0=$(date +%s%N)
  sleep "$seconds"
  threads "$@" > "$work/after"
  t1=$(date +%s%N)
  awk -v label="$label" -v ns=$((t1 - t0)) '
    FNR == NR { before[$1] = $3; next }
    { used = $3 - before[$1]; share[$2] += used; total += used }
    END {
      printf "%s %.4f\n", label, 100 * total / ns >> "'"$work/results"'"
      for (name in share) printf "%s %s %.4f\n", label, name, 100 * share[name] / ns >> "'"$work/threads"'"
    }' "$work/before" "$work/after"
}

for round in $(seq "$rounds"); do
  start_game "$build"
  sleep 1
  measure title "$game"
  enter_game
  wait_for_rendering "$game"
  sleep 1
  measure play "$game"
  # Full screen: the 1280×1024 display takes the play screen at 2×.
  xdotool key F11
  sleep 1
  measure "play-full-2x" "$game"
  xdotool key F11   # back to the window, as the next round starts
  sleep 1
  playing=$(game_windows)
  xdotool keydown Down
  sleep 1
  measure down "$game"
  xdotool keyup Down
  [ "$(game_windows)" = "$playing" ] || echo "round $round: the game ended while Down was held" >&2
  kill "$game"; wait "$game" 2>/dev/null || true

  start_game "$work/no-tune"
  enter_game
  sleep 1
  measure "play-no-tune" "$game"
  kill "$game"; wait "$game" 2>/dev/null || true

  "$build/zolbas_floor_window" & window=$!
  "$build/zolbas_floor_mixer" & mixer=$!
  pids+=("$window" "$mixer")
  wait_for_window floor
  sleep 1
  measure floor "$window" "$mixer"
  # The same with Down held in the floor's window: what the key's repeats
  # cost any program that has the keyboard.
  xdotool search --onlyvisible --name '^floor$' windowfocus --sync
  xdotool keydown Down
  sleep 1
  measure floor-down "$window" "$mixer"
  xdotool keyup Down
  kill "$window" "$mixer"; wait "$window" "$mixer" 2>/dev/null || true
done

python3 - "$work/results" "$work/threads" "$rounds" "$seconds" <<'PY'
import collections, statistics, sys
results, threads, rounds, seconds = sys.argv[1:]
runs = collections.defaultdict(list)
for line in open(results):
    label, value = line.split()
    runs[label].append(float(value))
median = {label: statistics.median(values) for label, values in runs.items()}
floor = median["floor"]
print(f"% of one core, median of {rounds} runs of {seconds} s each, taking turns:")
for label in ["title", "play", "play-full-2x", "down", "play-no-tune", "floor", "floor-down"]:
    values = " ".join(f"{v:.2f}" for v in runs[label])
    print(f"  {label:13} {median[label]:6.2f} %   ratio to floor {median[label] / floor:5.2f}   (runs: {values})")
print(f"  down against floor-down: {median['down'] / median['floor-down']:.2f}")
print(f"  full screen at 2x against play in its window: {median['play-full-2x'] / median['play']:.2f}")
shares = collections.defaultdict(lambda: collections.defaultdict(list))
for line in open(threads):
    label, name, value = line.split()
    shares[label][name].append(float(value))
print("by thread (median):")
for label in ["play", "play-full-2x", "down", "play-no-tune", "floor", "floor-down"]:
    parts = sorted(((statistics.median(v), n) for n, v in shares[label].items()), reverse=True)
    print(f"  {label:13} " + ", ".join(f"{n} {v:.2f}" for v, n in parts if v >= 0.005))
PY
