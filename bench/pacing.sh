#!/usr/bin/env bash
# The pacing of the windowed game: plays for a while under a virtual X
# server and reports the intervals between processed ticks (from the
# --trace file) and the processor time the game took meanwhile.
#
#   bench/pacing.sh BUILD_DIR [SECONDS] [idle|down]
#
# ZOLBAS_COMMAND names another command that runs the game, such as
# build-windows/zolbas-wine (the Windows build through Wine, with
# WINEPREFIX set); the processor time is then that of its process, and
# Wine's server is reported apart.
#
# "down" holds Down the whole time, so the meteorite lands again and again,
# walkers are crushed and the banner flies while the ticks are measured.
set -euo pipefail
export LC_ALL=C.UTF-8   # the game's window titles are Japanese
build=${1:?build folder}
seconds=${2:-10}
mode=${3:-idle}
source "$(dirname "$0")/lib.sh"
use_own_display "$@"
use_scratch_folder

"${ZOLBAS_COMMAND:-$build/zolbas}" --trace "$work/trace.jsonl" 2>/dev/null &
pid=$!
pids+=("$pid")
for _ in $(seq 50); do grep -q '"load"' "$work/trace.jsonl" 2>/dev/null && break; sleep 0.1; done
sleep 0.5
xdotool key Return
sleep 1
# The tune is rendered ahead once, at the start of the first game; the
# Windows build, run by another command, plays it through MCI instead.
[ "$SDL_AUDIODRIVER" = none ] || [ -n "${ZOLBAS_COMMAND:-}" ] || wait_for_rendering "$pid"
[ "$mode" = down ] && xdotool keydown Down
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
server=$(pgrep -n -x wineserver64 || pgrep -n -x wineserver || echo "$pid")
hz=$(getconf CLK_TCK)
cpu0=$(ticks "$pid"); server0=$(ticks "$server"); t0=$(date +%s.%N)
start=$(grep -c '"tick"' "$work/trace.jsonl")
sleep "$seconds"
cpu1=$(ticks "$pid"); server1=$(ticks "$server"); t1=$(date +%s.%N)
[ "$mode" = down ] && xdotool keyup Down

python3 - "$work/trace.jsonl" "$start" "$cpu0" "$cpu1" "$hz" "$t0" "$t1" "$mode" "$server0" "$server1" "$server" "$pid" <<'PY'
import json, sys, statistics
path, start, cpu0, cpu1, hz, t0, t1, mode, server0, server1, server, pid = sys.argv[1:]
events = [json.loads(l) for l in open(path)]
ticks = [e for e in events if e["ev"] == "tick"][int(start):]
gaps = sorted(b["lastTick"] - a["lastTick"] for a, b in zip(ticks, ticks[1:]))
p99 = gaps[min(len(gaps) - 1, int(0.99 * len(gaps)))]
cpu = (int(cpu1) - int(cpu0)) / int(hz) / (float(t1) - float(t0)) * 100
banner = sum(1 for e in events if e["ev"] == "banner")
crushes = max((e["combo"] for e in ticks), default=0)
print(f"mode {mode}: {len(ticks)} ticks, interval median {statistics.median(gaps)} ms, "
      f"p99 {p99} ms, min {gaps[0]} ms, max {gaps[-1]} ms; cpu {cpu:.2f} % of one core; "
      f"banner steps {banner}")
if server != pid:
    print(f"  Wine's server: {(int(server1) - int(server0)) / int(hz) / (float(t1) - float(t0)) * 100:.2f} % of one core")
PY
