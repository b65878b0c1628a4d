#!/usr/bin/env bash
# Configures (once) and builds Talkvane into build/. Extra arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TALKVANE_BUILD_DIR:-$root/build}"
if [[ ! -f "$build/build.ninja" || $# -gt 0 ]]; then
  cmake -S "$root" -B "$build" -G Ninja "$@"
fi
ninja -C "$build"
