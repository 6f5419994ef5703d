#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite: first as built
# for use, then once more under AddressSanitizer and UndefinedBehaviorSanitizer, where the
# fuzz targets also run a few seconds each. --no-sanitizers runs the first suite only.
# --server "Driver=...;Server=...;Login=...;Password=..." runs the first suite on that SQL
# Server, each test on a new database made there and dropped after it (HACKING.md).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--server" ]; then
  if [ -z "${2:-}" ]; then
    echo "usage: scripts/test.sh --server \"Driver=...;Server=...;Login=...;Password=...\"" >&2
    exit 2
  fi
  export VANT_TEST_SERVER="$2"
fi
scripts/install-packages.sh
scripts/install-statement-check.sh
# The benchmark is built too: a small run of it is among the tests.
scripts/build.sh -DVANT_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
[ "${1:-}" = "--no-sanitizers" ] || [ "${1:-}" = "--server" ] && exit 0

scripts/build-sanitized.sh
. scripts/sanitizer-env.sh
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
