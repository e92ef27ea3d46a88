#!/usr/bin/env bash
# Runs every test of one or more build folders with CTest, one folder after
# the other, under one virtual X server when there is no display, and
# prints each CTest summary; the last folder's summary comes last. Fails
# when any folder's tests fail.
#
# usage: run-tests.sh BUILD [BUILD...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD [BUILD...]" >&2; exit 64; }
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORMTHEME=
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # One X server for every folder: starting a second one on the display
  # number the first has just left can race with its shutdown.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
status=0
for build in "$@"; do
  ctest --test-dir "$build" --output-on-failure -j 2 || status=1
done
exit $status
