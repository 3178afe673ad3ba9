#!/usr/bin/env bash
# Regenerates the artwork into a temporary folder and compares it with resources/art, byte for
# byte: the SVG sources must be what the generators write. Exits non-zero on any difference.
set -euo pipefail
export PYTHONDONTWRITEBYTECODE=1
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
python3 tools/gen_faces.py "$out"
python3 tools/gen_art.py "$out"
diff -r "$out" resources/art
