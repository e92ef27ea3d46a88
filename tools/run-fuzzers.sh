#!/usr/bin/env bash
# Runs each fuzz target for a bounded time on its corpus (tests/fuzz/corpus/
# NAME); any crash it finds is kept there as a regression input and fails.
# Run longer on request: tools/run-fuzzers.sh build-fuzz 600
set -euo pipefail
build=${1:?build folder}
seconds=${2:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for name in script number rtf; do
  corpus="$root/tests/fuzz/corpus/$name"
  work=$(mktemp -d)
  mkdir -p "$corpus"
  maxlen=4096
  [ "$name" = script ] && maxlen=512
  dict=()
  [ -f "$root/tests/fuzz/$name.dict" ] && dict=(-dict="$root/tests/fuzz/$name.dict")
  echo "fuzzing $name for ${seconds}s"
  if ! "$build/zolbas_fuzz_$name" -max_total_time="$seconds" -max_len=$maxlen -timeout=30 \
       -artifact_prefix="$corpus/crash-" "${dict[@]}" "$work" "$corpus" > "$work/log" 2>&1; then
    tail -n 30 "$work/log"
    echo "fuzz target $name failed; the input is kept in $corpus"
    status=1
  else
    tail -n 1 "$work/log"
  fi
  rm -rf "$work"
done
exit $status
