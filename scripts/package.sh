#!/usr/bin/env bash
# Builds Talkvane and its Debian package: build/package/talkvane_<version>_<arch>.deb.
# Install it with `apt-get install ./build/package/talkvane_*.deb`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TALKVANE_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh" --package
"$root/scripts/build.sh"
cd "$build"
cpack --config CPackConfig.cmake -G DEB -B "$build/package"
ls "$build"/package/talkvane_*.deb
