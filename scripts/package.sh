#!/usr/bin/env bash
# Builds the Debian package of VantProcess: build/vantprocess_VERSION_ARCH.deb. Its
# dependencies come from the libraries the programs link (dpkg-shlibdeps, in dpkg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh dpkg-dev
scripts/build.sh
cd build
output=$(cpack -G DEB 2>&1) || { echo "$output" >&2; exit 1; }
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output"
