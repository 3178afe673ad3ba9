#!/usr/bin/env bash
# Installs, from Debian's own repository, whatever the build, the tests or the game still need.
# Usage: scripts/install-deps.sh [build|game|shots|package|fuzz|check|a11y]
#   game: the program alone; build: the program, its tests and benchmarks (the default)
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
)
if [ "${1:-build}" = build ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi
if [ "${1:-build}" = a11y ]; then
  # The accessibility test: the program under Xvfb with a window manager, read through AT-SPI.
  packages+=(xvfb xauth xdotool openbox at-spi2-core python3-pyatspi dbus-x11)
fi
if [ "${1:-build}" = check ]; then
  # What CI checks besides the tests: the formatting, and the art generators' output.
  packages+=(clang-format python3)
fi
if [ "${1:-build}" = shots ]; then
  # Only for looking at the real window: a virtual X server, a robot for the mouse, a camera.
  packages+=(xvfb xauth xdotool imagemagick x11-utils)
fi
if [ "${1:-build}" = package ]; then
  # The Debian package: its tools (dpkg-shlibdeps, dpkg-buildflags, file for stripping) and the
  # checkers CI runs on it.
  packages+=(dpkg-dev file desktop-file-utils appstream lintian)
fi
if [ "${1:-build}" = fuzz ]; then
  # The fuzz target: clang, whose runtime package holds libFuzzer and the sanitizers.
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "Please install the missing packages as root, then run make again:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
