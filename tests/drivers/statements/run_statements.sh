#!/usr/bin/env bash
# Generates the driver of statements.pts (every statement of the statement writer: timers, SET and
# UNSET, PAUSE, PRINT, '@' lines and '#' declarations, IF, WHILE, CASE, RENDEZVOUS, INTERSEND,
# INTERRECV), compiles it against the dry-run runtime in every switch combination and runs each
# build under the steering of its check files' "# run:" lines (driver_lib.sh describes them).
#   run_statements.sh <c++ compiler> <FileCheck> <source root> <work folder> <qmkprepro>
set -uo pipefail
. "$(dirname "$0")/../driver_lib.sh"

cxx=$1 filecheck=$2 src=$3 work=$4 qmkprepro=$5
drv_init "$cxx" "$filecheck" "$src" "$work"
drv_script_suite "$qmkprepro" "$src/tests/drivers/statements" statements.h
drv_finish
