#!/usr/bin/env bash
# Creates the embedded demo database (again) with settings of its own, and starts the window
# program on it; without a display it runs a short demonstration through vantctl instead.
# The user's settings (KormoLedger.conf) are neither read nor changed: the programs read the
# demo's settings file, which VANT_SETTINGS names. Takes the build folder (default build).
#   demo.sh [BUILD-FOLDER]
set -euo pipefail
build=${1:-$(dirname "$0")/../build}

demo_dir="${XDG_DATA_HOME:-$HOME/.local/share}/vant"
export VANT_SETTINGS="${XDG_CONFIG_HOME:-$HOME/.config}/vant/demo.conf"
echo "== Creating the demo database in $demo_dir"
"$build/tools/dbcreator/vant-dbcreator" --demo --force --server "$demo_dir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display here: a short demonstration through vantctl on the demo database."
  echo
  "$(dirname "$0")/demo-headless.sh" "$build/src/app"
  cat <<TEXT

To see the window on a headless machine, serve it over VNC and connect a VNC viewer
to port 5900:
  VANT_SETTINGS=$VANT_SETTINGS QT_QPA_PLATFORM=vnc:size=1280x800 $build/src/app/vantprocess
TEXT
  exit 0
fi
exec "$build/src/app/vantprocess"
