#!/usr/bin/env bash
# Generates the driver of checks/checks.pts (VAR checks of every kind), compiles it against the
# dry-run runtime in every switch combination and runs each build unsteered, with checks steered
# to fail and, with exception handling, with a check whose value throws (the check files'
# "# run:" and "# builds:" lines; driver_lib.sh describes them).
#   run_checks.sh <c++ compiler> <FileCheck> <source root> <build folder> <work folder>
set -uo pipefail
. "$(dirname "$0")/driver_lib.sh"

cxx=$1 filecheck=$2 src=$3 build=$4 work=$5
drv_init "$cxx" "$filecheck" "$src" "$work"
drv_script_suite "$build/bin/qmkprepro" "$src/tests/drivers/checks" checks.h
drv_finish
