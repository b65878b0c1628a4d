#!/usr/bin/env bash
# Installs what is missing, builds Talkvane and runs the whole test suite
# headless: widget tests on Qt's offscreen platform, X11 tests on a virtual
# X server (xvfb-run). Ends with CTest's summary; fails when a test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --test
"$root/scripts/build.sh"
cd "${TALKVANE_BUILD_DIR:-$root/build}"
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure -j"$(nproc)" "$@"
