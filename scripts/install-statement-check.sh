#!/usr/bin/env bash
# Installs the T-SQL parser of the statement check (tests/statements) from the npm registry,
# at the versions its package-lock.json pins; does nothing when they are installed already.
set -euo pipefail
cd "$(dirname "$0")/../tests/statements"
stamp=node_modules/.vant-installed
if cmp -s package-lock.json "$stamp" 2>/dev/null; then
  exit 0
fi
if ! command -v npm >/dev/null; then
  echo "The statement check needs Node.js and npm." >&2
  exit 1
fi
echo "Installing the statement check's T-SQL parser (npm ci)"
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json "$stamp"
