#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a normal build and in a
# build with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
for variant in build build-asan; do
  extra=()
  [ "$variant" = build-asan ] && extra=(-DQMK_SANITIZE=ON)
  echo "== $variant"
  scripts/build.sh "$variant" "${extra[@]}"
  (cd "$variant" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")
done
