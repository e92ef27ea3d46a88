#!/usr/bin/env bash
# Without a display, or with one that cannot be reached, the windowed game
# says so in one line of its own, naming the display, and exits with 1.
set -u
zolbas=${1:?path to zolbas}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
failed=0

# $1: the one line expected, a pattern; the rest: the environment changes.
expect_line() {
  local want=$1 out status
  shift
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$@" "$zolbas" 2>&1)
  status=$?
  # shellcheck disable=SC2053
  if [ "$status" != 1 ] || [[ $out != $want ]]; then
    printf 'FAIL with %s: status %s, said:\n%s\n' "$*" "$status" "$out" >&2
    failed=1
  fi
}

expect_line "zolbas: no display to open the game's window on \(is DISPLAY or WAYLAND_DISPLAY set\?\)"
# No X server listens there: Qt's own lines and its runtime-folder notice
# must not come before ours, and Qt's reason stays on that line.
expect_line "zolbas: cannot reach the display DISPLAY=:987 to open the game's window (*display*:987*)" DISPLAY=:987
expect_line "zolbas: cannot reach the display QT_QPA_PLATFORM=nosuch to open the game's window (*nosuch*)" \
  QT_QPA_PLATFORM=nosuch
exit $failed
