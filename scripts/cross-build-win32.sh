#!/usr/bin/env bash
# Cross-compiles the platform layer with its Windows backends for 32-bit
# Windows (MinGW-w64, no Qt) into a fresh folder, warnings as errors, and
# links talkvane-platform-check.exe, which uses every backend. Nothing runs:
# this catches what would not compile or link on Windows.
#
#   scripts/cross-build-win32.sh [FOLDER]    default: build/win32-cross
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/win32-cross}"
compiler=i686-w64-mingw32-g++-posix
objdump=i686-w64-mingw32-objdump

for tool in "$compiler" "$objdump" cmake ninja; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "cross-build-win32.sh: $tool is missing (scripts/install-deps.sh --test installs it)" >&2
    exit 1
  fi
done

rm -rf "$out"
cmake -S "$root/src/platform" -B "$out" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release
ninja -C "$out"

exe="$out/talkvane-platform-check.exe"
# The program must start on a bare Windows: only system DLLs, no MinGW runtime.
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
echo "talkvane-platform-check.exe imports:" $dlls
if grep -qiE 'libstdc|libgcc|libwinpthread' <<<"$dlls"; then
  echo "cross-build-win32.sh: talkvane-platform-check.exe needs MinGW runtime DLLs" >&2
  exit 1
fi
