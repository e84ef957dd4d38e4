#!/usr/bin/env bash
# Configures and builds into the folder $1 (default: build), with any further cmake arguments.
# With BUILD_TARGETS set (blank-separated), only those targets are built.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
