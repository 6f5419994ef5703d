#!/usr/bin/env bash
# Configures and builds VantProcess into build-sanitize/ with clang, under AddressSanitizer
# and UndefinedBehaviorSanitizer, with the libFuzzer targets (the packages must be installed).
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANT_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-sanitize -j"$(nproc)" -- --no-print-directory >/dev/null
