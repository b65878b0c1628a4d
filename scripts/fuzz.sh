#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs one of them.
#
#   scripts/fuzz.sh [target] [seconds]     default: fuzz_device_reports, 60 s
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:-fuzz_device_reports}"
seconds="${2:-60}"
"$root/scripts/install-deps.sh" --test
if ! command -v clang++ >/dev/null; then
  sudo_cmd=(); [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends clang libclang-rt-dev
fi
build="${TALKVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTALKVANE_FUZZ=ON
ninja -C "$build" "$target"
corpus="$build/corpus/$target"
mkdir -p "$corpus"
cd "$build"
QT_QPA_PLATFORM=offscreen "tests/$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
