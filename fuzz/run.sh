#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for SECONDS (default 60) from the
# committed seeds; with ORV5_FUZZ_REAL=1 the real saves in $ORV5_REAL_SAVES join the load
# corpus (they stay outside the repository). Any finding fails the run.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
seconds="${1:-60}"
build="$ORV5_ROOT/build-fuzz"
CC=clang CXX=clang++ orv5_build "$build" -DORV5_FUZZ=ON -DORV5_BUILD_GUI=OFF -DORV5_BUILD_TESTS=OFF -DORV5_BUILD_BENCH=OFF

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for harness in load body inflate; do
  corpus="$work/$harness"
  mkdir -p "$corpus"
  cp "$ORV5_ROOT/fuzz/seeds/$harness/"* "$corpus/"
  if [ "$harness" = load ] && [ "${ORV5_FUZZ_REAL:-0}" = 1 ] && [ -d "${ORV5_REAL_SAVES:-}" ]; then
    cp "$ORV5_REAL_SAVES"/*.Orv5Save "$corpus/"
  fi
  echo "== fuzz_$harness for ${seconds}s =="
  (cd "$work" && "$build/fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict="$ORV5_ROOT/fuzz/orv5.dict" -print_final_stats=1 "$corpus" 2>&1 | tail -n 40)
done
