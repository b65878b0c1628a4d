#!/usr/bin/env bash
# Cross-compiles the platform layer with its Windows backends for 32-bit
# Windows (MinGW-w64, no Qt) into a fresh folder, warnings as errors, and
# links talkvane-platform-check.exe and win32-backends-check.exe, which use
# every backend. Nothing runs by default: this catches what would not compile
# or link on Windows.
#
#   scripts/cross-build-win32.sh [--x86_64] [--run] [FOLDER]
#
# FOLDER defaults to build/win32-cross. --x86_64 builds for 64-bit Windows
# (g++-mingw-w64-x86-64-posix). --run then runs win32-backends-check.exe
# under Wine on a virtual X server of its own (in $WINEPREFIX when set);
# Debian's wine64 runs only the 64-bit build (scripts/install-deps.sh --wine).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch=i686
run=0
while [[ $# -gt 0 && $1 == --* ]]; do
  case "$1" in
    --x86_64) arch=x86_64 ;;
    --run) run=1 ;;
    *) echo "usage: cross-build-win32.sh [--x86_64] [--run] [FOLDER]" >&2; exit 2 ;;
  esac
  shift
done
out="${1:-$root/build/win32-cross}"
compiler=$arch-w64-mingw32-g++-posix
objdump=$arch-w64-mingw32-objdump
installs="scripts/install-deps.sh --test"
[[ $arch == x86_64 ]] && installs="scripts/install-deps.sh --wine"
for tool in "$compiler" "$objdump" cmake ninja; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "cross-build-win32.sh: $tool is missing ($installs installs it)" >&2
    exit 1
  fi
done

wine=
if [[ $run == 1 && $arch != x86_64 ]]; then
  echo "cross-build-win32.sh: --run needs --x86_64 (Debian's Wine runs 64-bit programs only)" >&2
  exit 2
fi
if [[ $run == 1 ]]; then
  # Debian's wine64 package alone installs no wine in the PATH.
  wine=$(command -v wine || command -v wine64 || ls /usr/lib/wine/wine64 2>/dev/null || true)
  if [[ -z $wine ]] || ! command -v Xvfb >/dev/null 2>&1; then
    echo "cross-build-win32.sh: --run needs Wine and Xvfb (scripts/install-deps.sh --wine)" >&2
    exit 1
  fi
fi

rm -rf "$out"
cmake -S "$root/src/platform" -B "$out" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release
ninja -C "$out"

# The programs must start on a bare Windows: only system DLLs, no MinGW runtime.
for exe in talkvane-platform-check.exe win32-backends-check.exe; do
  dlls=$("$objdump" -p "$out/$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
  echo "$exe imports:" $dlls
  if grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$dlls"; then
    echo "cross-build-win32.sh: $exe needs MinGW runtime DLLs" >&2
    exit 1
  fi
done

if [[ $run == 1 ]]; then
  # Setting up a Wine prefix takes a minute: keep one across runs when asked.
  export WINEPREFIX="${WINEPREFIX:-$out/wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  exec "$root/tests/support/own_display.sh" "$wine" "$out/win32-backends-check.exe"
fi
