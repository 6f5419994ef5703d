#!/usr/bin/env bash
# Runs a validator over a file when the validator is installed; skipped (77) otherwise.
#   validate-with.sh TOOL [TOOL-ARGUMENTS...] FILE
set -uo pipefail
command -v "$1" >/dev/null || { echo "$1 is not installed: skipped"; exit 77; }
exec "$@"
