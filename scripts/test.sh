#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build.sh build-asan -DDAUBRIX_SANITIZE=ON -DDAUBRIX_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-asan --output-on-failure -j2 --timeout 300
else
  scripts/build.sh build
  ctest --test-dir build --output-on-failure -j2 --timeout 300
fi
