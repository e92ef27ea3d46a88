#!/usr/bin/env bash
# Runs every test of one or more build folders with CTest, one folder after
# the other, each under a virtual X server of its own when there is no
# display, and prints each CTest summary; the last folder's summary comes
# last. Fails when any folder's tests fail.
#
# usage: run-tests.sh BUILD [BUILD...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BUILD [BUILD...]" >&2; exit 64; }
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORMTHEME=
status=0
server=90
for build in "$@"; do
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # A server per folder, never on the number the one before has just
    # left: a new server there can race with the old one's shutdown, and
    # what Wine leaves on a display must not meet the Qt tests. Without
    # -noreset the server resets whenever its last client goes, and a game
    # starting at that moment cannot connect.
    xvfb-run -a -n "$server" -s "-screen 0 1280x1024x24 -noreset" \
      ctest --test-dir "$build" --output-on-failure -j 2 || status=1
    server=$((server + 9))
  else
    ctest --test-dir "$build" --output-on-failure -j 2 || status=1
  fi
done
exit $status
