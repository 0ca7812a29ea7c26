#!/usr/bin/env bash
# Long fuzzing runs: every harness for at least a million inputs (the count can be given
# as the first argument). Prints each harness's closing figures.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for harness in build/fuzz/bin/fuzz-*; do
  corpus=build/fuzz/corpus/$(basename "$harness")
  mkdir -p "$corpus"
  echo "== $(basename "$harness"): $runs inputs"
  start=$(date +%s)
  "$harness" -runs="$runs" -print_final_stats=1 "$corpus" 2>&1 |
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+.*DONE)|check failed|ERROR" || true
  echo "   $(( $(date +%s) - start )) s"
done
