#!/usr/bin/env bash
# Takes the README's screenshots: builds the program, starts it on a fresh demo database
# on a virtual X server (Xvfb) and saves a PNG of each window in docs/screenshots/.
# Neither the user's settings nor the user's databases are touched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh xvfb
scripts/build.sh vant-screenshot-tour vant-dbcreator

work=$(mktemp -d)
xvfb=""
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

out=docs/screenshots
mkdir -p "$out"
DISPLAY=":$(cat "$work/display")" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
  tools/screenshot_tour/take-screenshots.sh build/tools/screenshot_tour/vant-screenshot-tour \
  build/tools/dbcreator/vant-dbcreator "$out"
