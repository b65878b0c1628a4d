#!/usr/bin/env bash
# Renders every SVG picture source to the PNG beside it (same name), at the
# size the SVG declares times the given scale (default 1). Another scale
# writes "<name>@<scale>x.png", which QIcon picks on high-density screens.
# The PNGs are committed; run this after changing a source. Needs
# `install-deps.sh --art`.
#   scripts/render-pictures.sh [scale] [file.svg ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --art
scale="${1:-1}"
shift || true
if [[ $# -gt 0 ]]; then
  sources=("$@")
else
  mapfile -t sources < <(find "$root/resources" "$root/data" -name '*.svg' \
    -not -path '*/fontawesome/*' | sort)
fi
for svg in "${sources[@]}"; do
  png="${svg%.svg}.png"
  [[ "$scale" == 1 ]] || png="${svg%.svg}@${scale}x.png"
  rsvg-convert --zoom="$scale" --format=png --output="$png" "$svg"
  echo "${png#"$root"/}"
done
