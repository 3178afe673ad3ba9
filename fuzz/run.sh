#!/usr/bin/env bash
# Builds the statistics-file fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (CMake, -DBRINDLEWHARF_FUZZ=ON: the rules and the target alone) and
# runs it for N seconds (default 60) on a copy of the seed corpus. A crash file is copied into
# fuzz/corpus/statsfile/, where every build replays it from then on (CTest: StatsFileFuzz).
# Usage: fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
out=build-fuzz
cmake -S . -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBRINDLEWHARF_FUZZ=ON >/dev/null
cmake --build "$out" --target statsfile_fuzz

corpus=$out/corpus/statsfile
rm -rf "$corpus"
mkdir -p "$corpus"
cp fuzz/corpus/statsfile/* "$corpus/"
seeds=$(find "$corpus" -type f | wc -l)

log=$out/statsfile_fuzz.log
rm -f "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*
status=0
"./$out/fuzz/statsfile_fuzz" "$corpus" -max_total_time="$seconds" -max_len=8192 -timeout=5 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" >"$log" 2>&1 || status=$?

# The last progress line: executions, coverage (cov), features (ft), corpus size and exec/s.
grep -E '^#[0-9]+' "$log" | tail -n 1 || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
echo "corpus: $seeds seeds -> $(find "$corpus" -type f | wc -l) files"
if [ "$status" -ne 0 ]; then
  for found in "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*; do
    [ -f "$found" ] && cp "$found" fuzz/corpus/statsfile/ && echo "kept $(basename "$found") in fuzz/corpus/statsfile/" >&2
  done
  echo "statsfile_fuzz failed (exit $status); the end of $log:" >&2
  tail -n 60 "$log" >&2
  exit "$status"
fi
