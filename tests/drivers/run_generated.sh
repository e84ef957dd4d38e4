#!/usr/bin/env bash
# Generates a driver from each script of generated/ with qmkprepro, compiles it against the
# dry-run runtime in every switch combination, linked with the code under test (suite.cc), and
# runs each build once per check file of the script (driver_lib.sh describes the script's and the
# check files' comment lines, the variants and the check prefixes).
#   run_generated.sh <c++ compiler> <FileCheck> <qmkprepro> <source root> <work folder> [script...]
set -uo pipefail
. "$(dirname "$0")/driver_lib.sh"

cxx=$1 filecheck=$2 qmkprepro=$3 src=$4 work=$5
shift 5
drv_init "$cxx" "$filecheck" "$src" "$work"
scripts=$src/tests/drivers/generated

# The code under test, once per optimisation level.
for opt in -O0 -O2; do
  if ! "$cxx" -std=c++17 -Wall -Wextra -Werror $opt -c "$scripts/suite.cc" -o "$work/suite$opt.o"; then
    echo "FAILED: compiling suite.cc with $cxx $opt"
    exit 1
  fi
done
DRV_LINK=("$work/suite{opt}.o")
drv_script_suite "$qmkprepro" "$scripts" suite.h "$@"
drv_finish
