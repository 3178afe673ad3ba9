#!/usr/bin/env bash
# A hand played in the real program against a real sound server: PulseAudio with a null sink, in
# a runtime folder of the test's own, the program under Xvfb and the keys typed by xdotool. The
# sound is on by default where the desktop has a server, so the game must open a stream on the
# sink of its own accord. Skipped (exit 77), with the reason, where no server can be started:
# scripts/install-deps.sh sound installs what it needs.
#   tests/sound/run.sh PROGRAM
set -uo pipefail
program=$(readlink -f "$1")

if [ "${2:-}" != --on-display ]; then
  missing=()
  for tool in pulseaudio pactl xvfb-run xdotool; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: the sound check needs ${missing[*]} (scripts/install-deps.sh sound installs them)"
    exit 77
  fi
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --on-display
fi

home=$(mktemp -d)
server=
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
# Nothing of the player's: no settings, no server, no cookie of theirs.
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
unset PULSE_SERVER
mkdir -m 700 "$XDG_RUNTIME_DIR"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  -L "module-null-sink sink_name=table" -L "module-native-protocol-unix auth-anonymous=1" \
  2>"$home/server.log" &
server=$!
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "skipped: no sound server could be started here:"
  sed 's/^/  /' "$home/server.log"
  exit 77
fi

QT_QPA_PLATFORM=xcb "$program" &
game=$!
# After the splash, the welcome dialog: a name, a bet, Enter deals; then two cards turned and
# the draw, the Dealer's draw and the showdown, each with its sound.
dialog=$(xdotool search --sync --name "Welcome to Brindlewharf" | head -n 1)
sleep 0.5
xdotool windowfocus --sync "$dialog"
xdotool type --delay 80 Ann
xdotool key Tab
xdotool type --delay 80 50
xdotool key Return
sleep 1
xdotool key --delay 300 2 4 Return &

# The sounds are short: look for the game's stream while they play.
binary=$(basename "$program")
for _ in $(seq 400); do
  streams=$(pactl list sink-inputs)
  if grep -q "application.process.binary = \"$binary\"" <<<"$streams"; then
    echo "The game's stream on the null sink, as pactl lists it:"
    echo "$streams"
    exit 0
  fi
  sleep 0.02
done
echo "FAILED: no stream of $binary reached the sound server over a whole hand"
exit 1
