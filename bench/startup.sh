#!/usr/bin/env bash
# Start-up of the game against the floor of an empty Qt main window, under Xvfb:
# time until the window is mapped and resident memory 3 s later, median of N runs each.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

measure() {  # label title program
  printf '%-28s' "$1"
  local out
  out=$(for _ in $(seq "$runs"); do "$build/bench/startup_probe" "$2" 3000 "$3" 2>/dev/null; done)
  local ms kb
  ms=$(sed 's/.*mapped_ms=\([0-9.]*\).*/\1/' <<<"$out" | sort -n | sed -n "$(((runs + 1) / 2))p")
  kb=$(sed 's/.*rss_kb=\([0-9]*\).*/\1/' <<<"$out" | sort -n | sed -n "$(((runs + 1) / 2))p")
  echo "median of $runs: mapped $ms ms, resident $((kb / 1024)) MB ($kb kB)"
}

measure "floor (empty QMainWindow):" Floor "$build/bench/startup_floor"
measure "brindlewharf table:" "Brindlewharf 1.1" "$build/brindlewharf"
