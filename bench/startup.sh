#!/usr/bin/env bash
# Start-up of the game against the floor of an empty Qt main window, under Xvfb:
# time until the window is mapped and resident memory 3 s later, median of N runs each.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
probe="$build/bench/startup_probe"

measure() {  # title program
  for _ in $(seq "$runs"); do "$probe" "$1" 3000 "$2"; done |
    awk -F'[= ]' '{ms[NR]=$2; kb[NR]=$4} END {
      n=asort(ms); asort(kb); m=int((n+1)/2);
      printf "median of %d: mapped %.1f ms, resident %.1f MB\n", n, ms[m], kb[m]/1024 }'
}

export -f measure
export probe runs
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  echo -n 'floor (empty QMainWindow): '; measure Floor '$build/bench/startup_floor'
  echo -n 'brindlewharf table:        '; measure 'Brindlewharf 1.1' '$build/brindlewharf'
"
