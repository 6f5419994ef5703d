#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS each (default 60) on its seed corpus, in the
# sanitized build. New inputs are kept in build-sanitize/fuzz/found/NAME/, findings as
# build-sanitize/fuzz/NAME-crash-*, -leak-* or -timeout-* files, each run's output in
# build-sanitize/fuzz/NAME.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-packages.sh
scripts/build-sanitized.sh
. scripts/sanitizer-env.sh
export QT_QPA_PLATFORM=offscreen
status=0
for fuzzer in build-sanitize/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  echo "== $name: $seconds s"
  mkdir -p "build-sanitize/fuzz/found/$name"
  log="build-sanitize/fuzz/$name.log"
  if ! "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build-sanitize/fuzz/$name-" \
      "build-sanitize/fuzz/found/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    status=1
    grep -E "^(==|SUMMARY|Test unit written)" "$log" || tail -n 20 "$log"
  fi
  grep -E "^stat::number_of_executed_units" "$log" || true
done
exit "$status"
