#!/usr/bin/env bash
# Runs both fuzzers for the given number of seconds each (10 by default),
# starting from the corpus in fuzz/corpus; new inputs and any failing input
# go to build/native only.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=$source/build/native
seconds=${1:-10}

for fuzzer in path_join copy_rule; do
  work=$build/corpus-$fuzzer
  log=$build/$fuzzer.log
  mkdir -p "$work"
  echo "fuzzing ${fuzzer//_/ } for $seconds s"
  if ! "$build/${fuzzer}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/$fuzzer-" "$work" "$source/fuzz/corpus/$fuzzer" >"$log" 2>&1; then
    tail -n 30 "$log"
    echo "fuzzing ${fuzzer//_/ } found an input that breaks its rules (saved in $build)"
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE' "$log" || true
done
