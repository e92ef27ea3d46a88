#!/usr/bin/env bash
# platform/ is the ground floor: its files include nothing from the folders
# built on it (the game's screens, its rules, the trace, the front ends).
# Lists every include that points up, and fails if there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
upward=$(grep -rnE '#include "(app|play|runtime|shell|simulate|store|trace|web|win32|window)/' "$root/platform" || true)
if [ -n "$upward" ]; then
  echo "platform/ includes from above it:" >&2
  echo "${upward//$root\//}" >&2
  exit 1
fi
