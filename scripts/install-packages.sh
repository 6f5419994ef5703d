#!/usr/bin/env bash
# Installs the Debian packages that VantProcess needs, only those that are missing, and
# any further packages named on the command line (the packaging and screenshot scripts
# add their own tools). Quiet when everything is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  # LLVM's linker: links each program in a fraction of the time of the default one.
  lld
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # lupdate and lrelease: the template of the texts to translate, and the translations.
  qt6-l10n-tools
  libqt6sql6-sqlite libqt6sql6-odbc
  libsqlite3-dev sqlite3
  unixodbc unixodbc-dev tdsodbc libsqliteodbc
  libgtest-dev
  # The sanitized build of the test suite and the fuzz targets.
  clang libclang-rt-dev
  # The icon's PNG sizes, the manual pages, and the checks of the desktop entry and metadata.
  librsvg2-bin help2man desktop-file-utils appstream
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
