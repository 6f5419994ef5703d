#!/usr/bin/env bash
# Configures and builds VantProcess into build/ (the packages must be installed); arguments go
# to CMake's configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)" -- --no-print-directory >/dev/null
