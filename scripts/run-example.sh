#!/usr/bin/env bash
# Installs what is missing, builds, and compiles the bundled example into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
mkdir -p out
export QANDORDIR="$PWD/build"
build/bin/qmkprepro examples/example.pts examples/example.h out/example -INCL=examples
