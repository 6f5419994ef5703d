#!/usr/bin/env bash
# Builds the Debian package of VantProcess in build-package/ with Debian's build flags and
# without the tests, and checks it with lintian: build-package/vantprocess_VERSION_ARCH.deb.
# Its dependencies come from the libraries the programs link (dpkg-shlibdeps, in dpkg-dev).
# Exits non-zero when lintian reports an error or a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh dpkg-dev lintian
generator=()
[ -f build-package/CMakeCache.txt ] || generator=(-G Ninja)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B build-package "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
cd build-package
output=$(cpack -G DEB 2>&1) || { echo "$output" >&2; exit 1; }
package=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
echo "$package"
# Kept on purpose, each explained in HACKING.md: see "Packaging".
lintian --fail-on error,warning --suppress-tags-from-file ../dist/lintian-kept "$package"
