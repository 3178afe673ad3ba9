#!/usr/bin/env bash
# A hand played with the keyboard alone, heard through the accessibility tree as a screen reader
# hears it: the real program under Xvfb with a window manager, a session bus and the AT-SPI
# registry. Skipped (exit 77) when those are not installed: scripts/install-deps.sh a11y.
#   tests/a11y/run.sh PROGRAM
set -uo pipefail
program=$1
here=$(dirname "$(readlink -f "$0")")

missing=()
for tool in xvfb-run dbus-run-session openbox xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "skipped: the accessibility test needs ${missing[*]} (scripts/install-deps.sh a11y installs them)"
  exit 77
fi

exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- /usr/bin/python3 "$here/keyboard_hand.py" "$program"
