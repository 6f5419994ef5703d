#!/usr/bin/env bash
# Sets up a fresh machine, builds everything into build/ and runs the test suite, showing
# the progress of both. --sanitizers then builds it all once more (the screenshot tour aside)
# under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/) and runs the suite
# there too, with each fuzz target for a few seconds: what CI runs.
# --server "Driver=...;Server=...;Login=...;Password=..." runs the suite of build/ on that SQL
# Server, each test on a new database made there and dropped after it (HACKING.md).
set -euo pipefail
cd "$(dirname "$0")/.."
usage='usage: scripts/test.sh [--sanitizers | --server "Driver=...;Server=...;Login=...;Password=..."]'
sanitizers=false
case ${1:-} in
"") ;;
--sanitizers) sanitizers=true ;;
--server)
  [ -n "${2:-}" ] || { echo "$usage" >&2; exit 2; }
  export VANT_TEST_SERVER="$2"
  ;;
*) echo "$usage" >&2; exit 2 ;;
esac

scripts/install-packages.sh
scripts/install-statement-check.sh
export QT_QPA_PLATFORM=offscreen
echo "== Building into build/"
# The benchmark is built too: a small run of it is among the tests.
scripts/build.sh -DVANT_BUILD_BENCH=ON
echo "== Running the tests"
ctest --test-dir build --output-on-failure -j"$(nproc)"
$sanitizers || exit 0

echo "== Building into build-sanitize/ under the sanitizers, with the fuzz targets"
scripts/build-sanitized.sh
. scripts/sanitizer-env.sh
echo "== Running the tests under the sanitizers"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
