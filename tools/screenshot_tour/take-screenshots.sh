#!/usr/bin/env bash
# Makes a fresh demo database with its own settings in a temporary folder and runs the
# screenshot tour on it, saving the PNGs in OUTPUT-FOLDER. The user's own settings,
# databases and log stay untouched. The display is the caller's (DISPLAY or QT_QPA_PLATFORM).
#   take-screenshots.sh TOUR-PROGRAM DBCREATOR-PROGRAM OUTPUT-FOLDER
set -euo pipefail
tour=$1 creator=$2 out=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state \
       XDG_CACHE_HOME=$work/cache
"$creator" --demo --force --server "$work/data/vant" >/dev/null
"$tour" "$out"
