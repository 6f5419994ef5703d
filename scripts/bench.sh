#!/usr/bin/env bash
# Builds the benchmark program and runs it: the jobs at real sizes (or small ones with
# --quick) through the program's engines and through the set-based reference SQL, as a table.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANT_BUILD_BENCH=ON >/dev/null
cmake --build build --target vant_bench -j2 -- --no-print-directory >/dev/null
exec build/bench/vant_bench "$@"
