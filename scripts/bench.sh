#!/usr/bin/env bash
# Builds the benchmark program and runs it: the jobs at real sizes (small ones with --quick,
# the real ones and ten times them with --large) through the program's engines and through the
# lean reference SQL, as a table; --profile times each statement of the transfer and the posting.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
scripts/build.sh -DVANT_BUILD_BENCH=ON vant_bench >/dev/null
exec build/bench/vant_bench "$@"
