#!/usr/bin/env bash
# Renders the application icon's SVG source to the PNG sizes the desktop's
# icon theme uses (resources/icons/app/hicolor/<size>/talkvane.png). The PNGs
# are committed; run this after changing the SVG. Needs `install-deps.sh --art`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --art
icons="$root/resources/icons/app"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/hicolor/$size"
  rsvg-convert --width="$size" --height="$size" --format=png \
    --output="$icons/hicolor/$size/talkvane.png" "$icons/talkvane.svg"
  echo "resources/icons/app/hicolor/$size/talkvane.png"
done
