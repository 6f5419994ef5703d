#!/usr/bin/env bash
# Builds the benchmark program and runs it: the jobs at real sizes (or small ones with
# --quick) through the program's engines and through the set-based reference SQL, as a table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DVANT_BUILD_BENCH=ON vant_bench >/dev/null
exec build/bench/vant_bench "$@"
