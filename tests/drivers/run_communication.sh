#!/usr/bin/env bash
# Generates the drivers of the communication scripts (communication/*.pts), compiles each against
# the dry-run runtime in every switch combination and runs them under the steering that makes each
# WAITTIL end by OK, by KO, by its time-out, without a definition or without a connection, and a
# procsend fail (the check files' "# run:" lines; driver_lib.sh describes them). The message
# structures and routines of the code under test are defined in the scripts' header itself.
#   run_communication.sh <c++ compiler> <FileCheck> <source root> <work folder> <build folder>
set -uo pipefail
. "$(dirname "$0")/driver_lib.sh"

cxx=$1 filecheck=$2 src=$3 work=$4 build=$5
drv_init "$cxx" "$filecheck" "$src" "$work"
drv_script_suite "$build/bin/qmkprepro" "$src/tests/drivers/communication" comm.h
drv_finish
