#!/usr/bin/env bash
# Sets up a fresh machine, builds the three programs that the demonstration runs and starts
# it (scripts/demo.sh): the window program on a demo database, or without a display a short
# demonstration through vantctl. The demo keeps settings of its own; yours stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
echo "== Building vantprocess, vantctl and vant-dbcreator into build/"
scripts/build.sh vantprocess vantctl vant-dbcreator
exec scripts/demo.sh build
