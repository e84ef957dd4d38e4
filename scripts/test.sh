#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice, so that both compilers and the
# highest optimisation level are checked: a g++ Release (-O3) build, and a clang++ build with the
# address and undefined-behaviour sanitizers. Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
run_variant() {
  local dir=$1
  shift
  echo "== $dir"
  scripts/build.sh "$dir" -DQMK_WERROR=ON "$@"
  (cd "$dir" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs")
}
run_variant build -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
run_variant build-asan -DQMK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
