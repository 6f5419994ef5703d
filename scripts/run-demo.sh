#!/usr/bin/env bash
# Sets up a fresh machine, builds VantProcess, creates the embedded demo database
# (and the settings that point the program at it) and starts the program; without a
# display it runs a short demonstration through vantctl instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
scripts/build.sh

demo_dir="${XDG_DATA_HOME:-$HOME/.local/share}/vant"
build/tools/dbcreator/vant-dbcreator --demo --force --server "$demo_dir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display here: a short demonstration through vantctl on the demo database."
  echo
  scripts/demo-headless.sh build/src/app
  cat <<TEXT

To see the window on a headless machine, serve it over VNC and connect a VNC viewer
to port 5900:
  QT_QPA_PLATFORM=vnc:size=1280x800 build/src/app/vantprocess
TEXT
  exit 0
fi
exec build/src/app/vantprocess
