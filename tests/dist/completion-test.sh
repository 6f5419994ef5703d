#!/usr/bin/env bash
# vantctl's bash completion: the commands, each command's options (exactly those its help
# and the general help name), and the values that come from fixed lists.
#   completion-test.sh COMPLETION-SCRIPT VANTCTL-PROGRAM
set -uo pipefail
completion=$1 vantctl=$2
# shellcheck source=/dev/null
source "$completion"
failures=0

# offers WORD...: what completing the last word offers, sorted, on one line.
offers() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _vantctl
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

expect() {
  local wanted=$1
  shift
  local got
  got=$(offers "$@")
  if [ "$got" != "$wanted" ]; then
    echo "FAIL: completing '$*' offers '$got', not '$wanted'"
    failures=$((failures + 1))
  fi
}

expect "check history post purge reconcile transfer" vantctl ""
expect "transfer" vantctl --user Admin --password vant tr
expect "transfer" vantctl --user Admin --password-file pw tr
# An option's value is not the command.
expect "check" vantctl --user check c
expect "" vantctl check ""
expect "SA SR" vantctl post --voucher-type S
expect "CA CC CH CO CR SP" vantctl post --voucher-type SA --trans-type ""
expect "Ca Cr" vantctl post --voucher-type pu --trans-type ""
expect "CA CR" vantctl post --voucher-type PR --trans-type C
expect "1 2" vantctl post --actype ""
expect "post purge transfer" vantctl history --job ""
expect 'Kormo\ Mart Kormo\ Mart7' vantctl --product 'Kormo\ M'
expect "" vantctl --password ""

options_in_help() {
  "$vantctl" "$@" --help | grep -o -- '--[a-z-]*' | sort -u
}
for command in check transfer post purge reconcile history; do
  wanted=$( (options_in_help; options_in_help "$command") | sort -u | paste -sd' ')
  expect "$wanted" vantctl "$command" --
done

[ "$failures" -eq 0 ] && echo "completion offers what vantctl takes"
exit $((failures > 0))
