#!/usr/bin/env bash
# Installs what is missing, builds what the example needs (the two programs and the
# translations, not the tests: scripts/test.sh builds those), and compiles the bundled example
# into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_TARGETS="qmkprepro qmkiface translations" scripts/build.sh build
mkdir -p out
export QANDORDIR="$PWD/build"
build/bin/qmkprepro examples/example.pts examples/example.h out/example -INCL=examples
