#!/usr/bin/env bash
# Sets up, builds and starts Daubrix. Arguments go to the program (a drawing to open, or
# one of the command-line modes: --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/bin/daubrix "$@"
