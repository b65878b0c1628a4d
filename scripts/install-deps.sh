#!/usr/bin/env bash
# Installs the Debian packages Talkvane needs to build, run and test.
# Idempotent: packages already present are skipped, and `apt-get update` runs
# at most once, only when something is missing.
#
#   scripts/install-deps.sh          build + run packages
#   scripts/install-deps.sh --test   also what the test suite needs
#   scripts/install-deps.sh --bench  also what scripts/bench-startup.sh needs
#   scripts/install-deps.sh --package  also what scripts/package.sh needs
#   scripts/install-deps.sh --art    also the tools that regenerate committed
#                                    assets (pictures, language tables)
#   scripts/install-deps.sh --wine   also what runs the Windows backends under
#                                    Wine (scripts/cross-build-win32.sh --run)
# The flags combine.
set -euo pipefail

build_pkgs=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libcurl4-openssl-dev
  libssl-dev
  libx11-dev libxi-dev libxtst-dev libudev-dev
  libhidapi-dev
  libsbc-dev
  qtmultimedia5-dev
  libqt5websockets5-dev
  # The Bluetooth LE link to the mouse (Qt Bluetooth over BlueZ).
  qtconnectivity5-dev
  # The meeting store: Qt's SQL module and its SQLite driver.
  libqt5sql5-sqlite
  # The AI, meeting and help pages and their script bridge.
  qtwebengine5-dev libqt5webchannel5-dev
  fontconfig
  # Sound at run time: Qt's audio outputs and GStreamer media player service,
  # GStreamer's playbin/appsrc/decoders, and its wav parser and sound sinks.
  libqt5multimedia5-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # Qt's Wayland platform plugin, for a Wayland session without X11.
  qtwayland5
)
test_pkgs=(
  xvfb xauth
  sox
  desktop-file-utils
  # The package test builds the package and checks its menu entry and metainfo.
  dpkg-dev appstream
  # A stand-in BlueZ on a private system bus for the Bluetooth backend's tests.
  python3-dbusmock
  # The Windows backends' cross build (scripts/cross-build-win32.sh).
  g++-mingw-w64-i686-posix
  # A headless Wayland compositor for the Wayland session's tests.
  weston
)
# The Debian package: dependencies from the binaries, and the checks of the
# menu entry and the AppStream metainfo.
package_pkgs=(
  dpkg-dev
  desktop-file-utils
  appstream
)
# Only for the start-up benchmark: a notification area to dock into, and a
# Qt tray program to compare with. The test suite must not need these.
bench_pkgs=(
  xvfb xauth
  trayer
  copyq
)

# Only for regenerating what is committed: PNGs from their SVG sources, the
# language tables from CLDR through ICU. Building never needs these.
art_pkgs=(
  librsvg2-bin
  python3-icu
)

# Only for running the Windows backends' checks under Wine: Debian's Wine
# runs 64-bit programs without the i386 architecture, so the 64-bit compiler.
wine_pkgs=(
  xvfb xauth
  wine64
  g++-mingw-w64-x86-64-posix
)

want=("${build_pkgs[@]}")
for arg in "$@"; do
  case "$arg" in
    --test) want+=("${test_pkgs[@]}") ;;
    --bench) want+=("${bench_pkgs[@]}") ;;
    --package) want+=("${package_pkgs[@]}") ;;
    --art) want+=("${art_pkgs[@]}") ;;
    --wine) want+=("${wine_pkgs[@]}") ;;
    *) echo "install-deps.sh: unknown option $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${want[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
