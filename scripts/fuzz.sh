#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (core and targets only, build-fuzz/) and runs each
# from its committed seeds under AddressSanitizer + UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 60); all targets
#                                           unless some are named
# New inputs go to build-fuzz/corpus/TARGET, crashes to build-fuzz/crashes/; a crash ends the
# script with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/setup.sh
scripts/build.sh build-fuzz -DDAUBRIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
mkdir -p build-fuzz/crashes
for name in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$name"
  echo "== $name for ${seconds}s"
  "build-fuzz/bin/$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$name-" \
    "build-fuzz/corpus/$name" "fuzz/corpus/$name" 2>&1 | grep -v '^#[0-9]*\s*\(NEW\|REDUCE\|pulse\)'
done
