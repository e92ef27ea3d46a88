#!/usr/bin/env bash
# Start-up time and peak memory of the game, side by side with a minimal
# Qt program that shows one label in the same Japanese font. Each run starts
# the program, waits until its window is mapped, reads its peak resident
# memory, and ends it; the two programs take turns, RUNS times each.
#
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
export LC_ALL=C.UTF-8   # the game's window titles are Japanese
build=${1:?build folder}
runs=${2:-10}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Prints "milliseconds kilobytes" for one start of $1. The window counts as
# shown when the X server maps it: one watcher reports every map of a
# top-level window, so nothing polls the server.
measure() {
  local start end pid peak watcher
  xev -root -event substructure > "$work/maps" &
  watcher=$!
  sleep 0.2
  start=$(date +%s%N)
  "$1" 2>/dev/null &
  pid=$!
  until grep -q MapNotify "$work/maps"; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed" >&2; kill "$watcher"; return 0; }
  done
  end=$(date +%s%N)
  sleep 0.2
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid" "$watcher"; wait "$pid" "$watcher" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $peak"
}

for _ in $(seq "$runs"); do
  measure "$build/zolbas" >> "$work/game"
  measure "$build/zolbas_minimal_label" >> "$work/minimal"
done

python3 - "$work/game" "$work/minimal" <<'PY'
import statistics, sys
def load(path):
    rows = [tuple(map(int, l.split())) for l in open(path)]
    return statistics.median(r[0] for r in rows), statistics.median(r[1] for r in rows)
game, minimal = load(sys.argv[1]), load(sys.argv[2])
print(f"zolbas:  window shown after {game[0]:.0f} ms, peak memory {game[1] / 1024:.1f} MiB (medians)")
print(f"minimal: window shown after {minimal[0]:.0f} ms, peak memory {minimal[1] / 1024:.1f} MiB (medians)")
print(f"ratio:   time {game[0] / minimal[0]:.2f}, memory {game[1] / minimal[1]:.2f}")
PY
