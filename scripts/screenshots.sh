#!/usr/bin/env bash
# Saves a PNG of every page of the main window in Chinese and in English into
# the given folder (default build/screenshots), for a look by eye. Not a test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TALKVANE_BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
"$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
# A folder of its own: Talkvane keeps its files beside the executable, the
# models' product data and pictures too. Fresh settings every time.
cd "$build/tests/page_screenshots"
rm -rf device option.ini
mkdir -p device
cp "$build"/app/device/*.json "$build"/app/device/*.png device/
QT_QPA_PLATFORM=offscreen ./page_screenshots "$(realpath "$out")"
