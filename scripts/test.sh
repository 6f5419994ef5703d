#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite: first as built
# for use, then once more under AddressSanitizer and UndefinedBehaviorSanitizer, where the
# fuzz targets also run a few seconds each. --no-sanitizers runs the first suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
# The benchmark is built too: a small run of it is among the tests.
scripts/build.sh -DVANT_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
[ "${1:-}" = "--no-sanitizers" ] && exit 0

scripts/build-sanitized.sh
. scripts/sanitizer-env.sh
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
