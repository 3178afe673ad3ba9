#!/usr/bin/env bash
# Regenerates the artwork and the sounds into a temporary folder and compares them with
# resources/art and resources/sounds, byte for byte: the checked-in files must be what the
# generators write. Exits non-zero on any difference.
set -euo pipefail
export PYTHONDONTWRITEBYTECODE=1
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 tools/gen_faces.py "$out/art"
python3 tools/gen_art.py "$out/art"
python3 tools/gen_sounds.py "$out/sounds"
diff -r "$out/art" resources/art
diff -r "$out/sounds" resources/sounds
