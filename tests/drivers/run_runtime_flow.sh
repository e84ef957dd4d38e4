#!/usr/bin/env bash
# Compiles the hand-written driver runtime_flow.cc against the dry-run runtime in every switch
# combination (and once as a -THREAD driver, optimised: g++ reports some warnings, format
# truncation, only when optimising), then runs each build with the steering variables of
# runtime_flow/*.check and checks the printed flow and the exit status (driver_lib.sh).
#   run_runtime_flow.sh <c++ compiler> <FileCheck> <source root> <work folder>
set -uo pipefail
. "$(dirname "$0")/driver_lib.sh"

cxx=$1 filecheck=$2 src=$3 work=$4
drv_init "$cxx" "$filecheck" "$src" "$work"
checks=$src/tests/drivers/runtime_flow
for v in $DRV_VARIANTS; do
  drv_compile "$v" "$work/$v" -I"$src/runtime" "$src/tests/drivers/runtime_flow.cc"
done
# "opt" has all three switches
drv_compile opt "$work/thread" -I"$src/runtime" -DRTTEST_THREAD -DQMK_DRYRUN_START=runtime_flow_start \
  "$src/tests/drivers/runtime_flow.cc" "$src/runtime/qlx_dryrun_main.cpp"

# run <variant> <check> <env and arguments...>
run() {
  local v=$1 check=$2
  shift 2
  drv_run "$work/$v" "$checks/$check.check" "$v" "$@"
}
for v in $DRV_VARIANTS; do
  run "$v" pass
  # The steering runs on four builds that take both sides of the debug and dynamic-following
  # switches (the exception switch matters to the throwing runs only).
  case $v in o | y | dx | dxy) ;; *) continue ;; esac
  run "$v" fail_check QMK_DRYRUN_FAIL=11
  run "$v" message QMK_DRYRUN_MESSAGES=1
  run "$v" mismatch QMK_DRYRUN_MESSAGES=1 QMK_DRYRUN_FAIL=99,71
  run "$v" rdv QMK_DRYRUN_RDV_FAIL=other,sync
  run "$v" link QMK_DRYRUN_LINK_FAIL=1
  run "$v" tester -SET=T QMK_DRYRUN_INTERRECV=peer:41 QMK_DRYRUN_OUT=flow.txt
  run "$v" tester_fail -SET=T QMK_DRYRUN_INTERSEND_FAIL=1
  run "$v" stop -SET=XE
  run "$v" error -SET=E
  run "$v" verbose QMK_DRYRUN_VERBOSE=1
  case $v in
    *x*)
      run "$v" handled RTTEST_THROW=1
      run "$v" unhandled RTTEST_THROW=2
      ;;
  esac
done
drv_run "$work/thread" "$checks/thread.check" opt QMK_DRYRUN_FILTERS=T QMK_DRYRUN_INSTANCE=left QMK_DRYRUN_OCCID=3 \
  QMK_DRYRUN_INTERRECV=7

drv_compile_all || exit 1
drv_run_all
drv_finish
