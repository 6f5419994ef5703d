#!/usr/bin/env bash
# Configures and builds VantProcess into build/ (the packages must be installed), showing
# the build's progress. Arguments that begin with -D go to CMake's configuration; any
# other names a target to build instead of everything:
#   scripts/build.sh -DVANT_BUILD_BENCH=ON
#   scripts/build.sh vantprocess vantctl
set -euo pipefail
cd "$(dirname "$0")/.."
# Debug information of line tables and function names (-g1): a backtrace still names file and
# line, and each file compiles in about two thirds of the time of full -g. Programs are linked
# with lld. A -D of the same name given here wins.
settings=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld) targets=()
for argument in "$@"; do
  case $argument in
  -D*) settings+=("$argument") ;;
  *) targets+=(--target "$argument") ;;
  esac
done
# Ninja for a new build folder; an existing one keeps the generator it was made with.
[ -f build/CMakeCache.txt ] || settings+=(-G Ninja)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${settings[@]}" >/dev/null
cmake --build build -j"$(nproc)" "${targets[@]}"
