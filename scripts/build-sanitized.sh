#!/usr/bin/env bash
# Configures and builds VantProcess into build-sanitize/ with clang, under AddressSanitizer
# and UndefinedBehaviorSanitizer, with the libFuzzer targets (the packages must be installed),
# showing the build's progress.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
generator=()
[ -f build-sanitize/CMakeCache.txt ] || generator=(-G Ninja)
# -O1 with line tables only: readable reports, and a build that costs little more than a plain one.
# The screenshot tour, which no test runs, is left out; lld links.
CC=clang CXX=clang++ cmake -S . -B build-sanitize "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANT_FUZZ=ON \
  -DVANT_SCREENSHOT_TOUR=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags -fuse-ld=lld" -DCMAKE_SHARED_LINKER_FLAGS="$flags -fuse-ld=lld" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
