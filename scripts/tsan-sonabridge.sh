#!/usr/bin/env bash
# Builds Sonabridge, its stand-in speech SDK and their tests with
# ThreadSanitizer into build-tsan/ and runs those tests: the SDK's event
# threads meet the caller's start, write and end there.
#
#   scripts/tsan-sonabridge.sh [ctest arguments]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TALKVANE_TSAN_BUILD_DIR:-$root/build-tsan}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALKVANE_TSAN=ON
targets=(test_sonabridge test_sonabridge_without_sdk test_sonabridge_incomplete_sdk)
cmake --build "$build" -j"${TALKVANE_JOBS:-2}" --target "${targets[@]}"
cd "$build"
# Any report fails the test run; Qt's own threads are left out (see the file).
TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$root/tests/sonabridge/tsan.supp ${TSAN_OPTIONS:-}" \
  exec ctest --output-on-failure -R '^test_sonabridge' "$@"
