#!/usr/bin/env bash
# Installs what is missing, builds Talkvane and runs the whole test suite
# headless: widget tests on Qt's offscreen platform, each X11 test on a
# virtual X server of its own, each Wayland test in a headless compositor of
# its own. Ends with CTest's summary; fails when a test
# fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --test
"$root/scripts/build.sh"
cd "${TALKVANE_BUILD_DIR:-$root/build}"
# The tests spend most of their time waiting on timers, sockets and X
# servers (well under one core on average), so twice as many run as there
# are cores.
exec ctest --output-on-failure -j"$(( $(nproc) * 2 ))" "$@"
