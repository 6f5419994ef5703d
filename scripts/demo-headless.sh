#!/usr/bin/env bash
# The demonstration for a machine without a display: vantctl runs two back-office jobs on
# the demo database that scripts/demo.sh made (VANT_SETTINGS names the demo's settings):
# a transfer of the current month into a shadow company, then the posting of today's
# off-line sales vouchers. Takes the folder that holds vantctl (default build/src/app).
set -euo pipefail
bin_dir="${1:-$(dirname "$0")/../build/src/app}"
export VANT_SETTINGS="${VANT_SETTINGS:-${XDG_CONFIG_HOME:-$HOME/.config}/vant/demo.conf}"

# The password goes through the environment: on the command line every user of the
# machine could read it in the process list.
vantctl() {
  VANTCTL_PASSWORD=vant "$bin_dir/vantctl" --user Admin "$@"
}

# A refused step (status 1) has said why on standard error; the demonstration goes on.
step() {
  local status=0
  vantctl "$@" || status=$?
  if [ "$status" -eq 1 ]; then
    echo "(refused, as the message above says)"
  elif [ "$status" -ne 0 ]; then
    exit "$status"
  fi
}

today=$(date +%F)
month_start=$(date +%Y-%m-01)

echo "== vantctl check: login and version check"
step check

echo
echo "== vantctl transfer: $month_start to $today into Kormo Traders Shadow A"
step transfer --dest "Kormo Traders Shadow A" --from "$month_start" --to "$today" --yes

for division in 1 2; do
  for type in CA CR CH CO CC SP; do
    echo
    echo "== vantctl post: today's sales of division $division, type $type"
    step post --date "$today" --division "$division" --voucher-type SA --trans-type "$type" --all
  done
done
