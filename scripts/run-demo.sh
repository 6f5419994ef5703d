#!/usr/bin/env bash
# Sets up a fresh machine, builds VantProcess, creates the embedded demo database
# (and the settings that point the program at it) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
scripts/build.sh

demo_dir="${XDG_DATA_HOME:-$HOME/.local/share}/vant"
build/tools/dbcreator/vant-dbcreator --demo --force --server "$demo_dir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat <<TEXT

No display here. To see the window on a headless machine, serve it over VNC and
connect a VNC viewer to port 5900:
  QT_QPA_PLATFORM=vnc:size=1280x800 build/src/app/vantprocess
TEXT
  exit 0
fi
exec build/src/app/vantprocess
