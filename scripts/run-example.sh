#!/usr/bin/env bash
# Installs what is missing, builds what the example needs (the two programs and the
# translations, not the tests: scripts/test.sh builds those), compiles the bundled example into
# out/, then compiles the generated driver against the dry-run runtime, links it with the
# simulated door controller of examples/controller_sim.cc and runs it: its output is the flow of
# the script, one line per runtime call.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_TARGETS="qmkprepro qmkiface translations" scripts/build.sh build
mkdir -p out
export QANDORDIR="$PWD/build"
build/bin/qmkprepro examples/example.pts examples/example.h out/example -INCL=examples
if [ ! -f out/example.cc ]; then
  echo "run-example: no driver was written (out/example.cc); see the messages above" >&2
  exit 1
fi
"${CXX:-c++}" -std=c++17 -Wall -Wextra -Werror -I. -Iruntime -Iexamples out/example.cc examples/controller_sim.cc \
  -o out/example
echo "--- the flow of out/example against the dry-run runtime (docs/dry-run.md) ---"
status=0
out/example || status=$?
# The driver's status is the root scenario's verdict: 0 passed, 1 failed.
case $status in
  0) echo "--- the root scenario passed ---" ;;
  1) echo "--- the root scenario failed ---" ;;
  *) echo "run-example: the driver ended with status $status" >&2; exit "$status" ;;
esac
