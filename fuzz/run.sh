#!/usr/bin/env bash
# Builds the statistics-file fuzz target with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for N seconds (default 60) on a copy of the seed corpus,
# so that the corpus kept in the repository only changes by hand.
# Usage: fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
out=build-fuzz
mkdir -p "$out"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
  fuzz/statsfile_fuzz.cpp stats/statsfile.cpp game/convert.cpp -o "$out/statsfile_fuzz"

corpus=$out/corpus/statsfile
rm -rf "$corpus"
mkdir -p "$corpus"
cp fuzz/corpus/statsfile/* "$corpus/"
seeds=$(find "$corpus" -type f | wc -l)

# Crash files land in build-fuzz/, never in the source tree.
log=$out/statsfile_fuzz.log
status=0
"./$out/statsfile_fuzz" "$corpus" -max_total_time="$seconds" -max_len=8192 -timeout=5 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" >"$log" 2>&1 || status=$?

# The last progress line: executions, coverage (cov), features (ft), corpus size and exec/s.
grep -E '^#[0-9]+' "$log" | tail -n 1 || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
echo "corpus: $seeds seeds -> $(find "$corpus" -type f | wc -l) files"
if [ "$status" -ne 0 ]; then
  echo "statsfile_fuzz failed (exit $status); the end of $log:" >&2
  tail -n 60 "$log" >&2
  exit "$status"
fi
