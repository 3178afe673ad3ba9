#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# (CMake, -DBRINDLEWHARF_FUZZ=ON: the targets and what they stand on) and runs each for N seconds
# (default 60) on a copy of the seed corpus: statsfile_fuzz, the statistics-file reader alone, and
# statbox_fuzz, the same bytes opened and shown in the statistics window, offscreen. A crash file
# is copied into fuzz/corpus/statsfile/, where every build replays it through both from then on
# (CTest: StatsFileFuzz, StatBoxFuzz).
# Usage: fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
out=build-fuzz
cmake -S . -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBRINDLEWHARF_FUZZ=ON >/dev/null
cmake --build "$out" --target statsfile_fuzz statbox_fuzz

status=0
for target in statsfile_fuzz statbox_fuzz; do
  corpus=$out/corpus/$target
  rm -rf "$corpus"
  mkdir -p "$corpus"
  cp fuzz/corpus/statsfile/* "$corpus/"
  seeds=$(find "$corpus" -type f | wc -l)

  log=$out/$target.log
  rm -f "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*
  run=0
  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=fuzz/lsan.supp "./$out/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=8192 \
    -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/" >"$log" 2>&1 || run=$?

  # The last progress line: executions, coverage (cov), features (ft), corpus size and exec/s.
  echo "$target:"
  grep -E '^#[0-9]+' "$log" | tail -n 1 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  echo "corpus: $seeds seeds -> $(find "$corpus" -type f | wc -l) files"
  if [ "$run" -ne 0 ]; then
    for found in "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*; do
      [ -f "$found" ] && cp "$found" fuzz/corpus/statsfile/ && echo "kept $(basename "$found") in fuzz/corpus/statsfile/" >&2
    done
    echo "$target failed (exit $run); the end of $log:" >&2
    tail -n 60 "$log" >&2
    status=$run
  fi
done
exit "$status"
