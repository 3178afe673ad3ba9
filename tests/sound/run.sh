#!/usr/bin/env bash
# A hand of the real program against a real sound server: PulseAudio with a null sink in a runtime
# folder of the test's own, the program under Xvfb, the keys typed by xdotool. The sound is on by
# default beside a server, so the game must open a stream on the sink by itself, under its own
# name. Skipped (77), with the reason, where no server can be started (scripts/install-deps.sh
# sound installs what it needs).
#   tests/sound/run.sh PROGRAM
set -uo pipefail
program=$(readlink -f "$1")
for tool in pulseaudio pactl xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool (scripts/install-deps.sh sound)"; exit 77; }
done
[ "${2:-}" = --on-display ] || exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --on-display

# Nothing of the player's: no settings, no server, no cookie of theirs.
home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
unset PULSE_SERVER
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$home"' EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  -L "module-null-sink sink_name=table" -L "module-native-protocol-unix auth-anonymous=1" \
  2>"$home/server.log" &
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "skipped: no sound server could be started here:"
  sed 's/^/  /' "$home/server.log"
  exit 77
fi

# After the splash, the welcome dialog: a name, a bet, Enter deals; then two cards turned and the
# draw, the Dealer's draw and the showdown, each with its sound.
QT_QPA_PLATFORM=xcb "$program" &
dialog=$(xdotool search --sync --name "Welcome to Brindlewharf" | head -n 1)
sleep 0.5
xdotool windowfocus --sync "$dialog" type --delay 80 Ann
xdotool key Tab
xdotool type --delay 80 50
xdotool key Return
sleep 1
xdotool key --delay 300 2 4 Return &

# The sounds are short: look for the game's stream while they play.
for _ in $(seq 400); do
  streams=$(pactl list sink-inputs)
  if grep -q 'application.name = "Brindlewharf"' <<<"$streams"; then
    echo "The game's stream on the null sink, as pactl lists it:"
    echo "$streams"
    exit 0
  fi
  sleep 0.02
done
echo "FAILED: no stream named Brindlewharf reached the sound server over a whole hand"
pactl list sink-inputs
exit 1
