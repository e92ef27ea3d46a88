#!/usr/bin/env bash
# Runs the tests that drive real windows (the Qt program, the Windows
# program under Wine, the page in Chromium) or play through SDL's sound
# device in real time, ROUNDS times in a row while BUSY processes keep the
# processors busy, and counts the failures of each test. A test that waits on time instead of for what it checks shows up
# here long before it refuses a good change in CI.
#
#   tools/flake-hunt.sh [ROUNDS] [BUSY]     (defaults: 20 rounds, 2 busy)
#
# Needs the builds of `make check` (build-check, build-windows). The logs of
# failed runs are kept in $ZOLBAS_FLAKE_LOGS (default build-check/flake-hunt).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-20}
busy=${2:-2}
linux=${CHECK_BUILD:-$root/build-check}
windows=${WINDOWS_BUILD:-$root/build-windows}
logs=${ZOLBAS_FLAKE_LOGS:-$linux/flake-hunt}
# Every test with a window, a display or a page in it (installing the game
# opens none), and the sound device's.
windowed='^(window_|zolbas_window_test|zolbas_pad_round_test|zolbas_drawing_test|zolbas_caption_pieces_test|web_page_|zolbas_sound_device_tests)'
not_windowed='^window_installed_game$'
windowed_wine='^(windows_windowed_round|windows_full_screen|zolbas_win32_pad_round_test)$'

for build in "$linux" "$windows"; do
  [ -f "$build/CTestTestfile.cmake" ] || { echo "$0: no tests in $build: run make check first" >&2; exit 2; }
done
mkdir -p "$logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORMTHEME=

loaders=()
stop_load() { [ ${#loaders[@]} -eq 0 ] || kill "${loaders[@]}" 2> /dev/null; }
trap stop_load EXIT
for ((i = 0; i < busy; i++)); do
  sh -c 'while :; do :; done' &
  loaders+=($!)
done

# One round: both builds' windowed tests, each under its own X server when
# there is no display, as tools/run-tests.sh runs them. The server's number
# is drawn far from make check's (90, 99): a root made by check-in-chroot.sh
# has its own /tmp, where xvfb-run cannot see another's lock, but shares the
# abstract socket names with this machine.
run_ctest() {
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    xvfb-run -a -n $((200 + RANDOM % 700)) -s "-screen 0 1280x1024x24 -noreset" ctest "$@"
  else
    ctest "$@"
  fi
}

declare -A runs failures
# Runs the tests of build $1 matching $2 and not $3 once, and counts them.
hunt() {
  local out=$logs/round-$round-$(basename "$1").log name verdict failed=
  run_ctest --test-dir "$1" -R "$2" -E "$3" --output-on-failure > "$out" 2>&1
  # CTest's lines: "  3/9 Test  #12: window_whole_loop ........   Passed   14.2 sec"
  while read -r name verdict; do
    runs[$name]=$((${runs[$name]:-0} + 1))
    [ "$verdict" = Passed ] && continue
    failures[$name]=$((${failures[$name]:-0} + 1))
    failed=1
  done < <(sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) \.+[* ]*([A-Za-z]+).*/\1 \2/p' "$out")
  [ -n "$failed" ] || rm -f "$out"
}

for ((round = 1; round <= rounds; round++)); do
  hunt "$linux" "$windowed" "$not_windowed"
  hunt "$windows" "$windowed_wine" "^wine_prefix$"
  printf 'round %d of %d done, load %s\n' "$round" "$rounds" "$(cut -d' ' -f1 /proc/loadavg)"
done

total=0
echo "test                                 runs  failures"
for name in $(printf '%s\n' "${!runs[@]}" | sort); do
  printf '%-36s %4d  %4d\n' "$name" "${runs[$name]}" "${failures[$name]:-0}"
  total=$((total + ${failures[$name]:-0}))
done
echo "$total failures in $rounds rounds under $busy busy processes (logs of failed runs: $logs)"
[ "$total" -eq 0 ]
