#!/usr/bin/env bash
# Compiles the hand-written driver runtime_flow.cc against the dry-run runtime in every
# combination of QLX_TESSVIA_DEBUG, QLX_HANDLE_EXCEPTION and QMK_DYNFLW=1 (and once as a -THREAD
# driver, optimised), warnings as errors, two compile jobs at a time; then runs each build with the steering
# variables of runtime_flow/*.check and checks the printed flow and the exit status with FileCheck.
#   run_runtime_flow.sh <c++ compiler> <FileCheck> <source root> <work folder>
set -uo pipefail

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <variant>
  cxx=$2 src=$3 work=$4 variant=$5
  flags=()
  extra=()
  opt=-O0
  case $variant in *d*) flags+=(-DQLX_TESSVIA_DEBUG) ;; esac
  case $variant in *x*) flags+=(-DQLX_HANDLE_EXCEPTION) ;; esac
  case $variant in *y*) flags+=(-DQMK_DYNFLW=1) ;; esac
  if [ "$variant" = thread ]; then
    flags=(-DQLX_TESSVIA_DEBUG -DQLX_HANDLE_EXCEPTION -DQMK_DYNFLW=1 -DRTTEST_THREAD
           -DQMK_DRYRUN_START=runtime_flow_start)
    extra=("$src/runtime/qlx_dryrun_main.cpp")
    # one optimised build: g++ reports some warnings (format truncation) only when optimising
    opt=-O2
  fi
  exec "$cxx" -std=c++17 -Wall -Wextra -Werror "$opt" -I"$src/runtime" "${flags[@]}" \
    "$src/tests/drivers/runtime_flow.cc" "${extra[@]}" -o "$work/$variant"
fi

cxx=$1 filecheck=$2 src=$3 work=$4
checks=$src/tests/drivers/runtime_flow
rm -rf "$work" && mkdir -p "$work" || exit 1
# Variant names list their switches: d debug, x exceptions, y dynamic following; "o" none.
variants="o d x y dx dy xy dxy"
if ! printf '%s\n' $variants thread | xargs -P2 -n1 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the driver with $cxx"
  exit 1
fi

failures=0
# run <variant> <check file> <prefixes> <env and arguments...>: the run's output, then status=N.
run() {
  local variant=$1 check=$2 prefixes=$3 mode=$4
  shift 4
  local args=() envs=()
  for a in "$@"; do
    case $a in -*) args+=("$a") ;; *) envs+=("$a") ;; esac
  done
  local out=$work/$variant.$check.out
  (cd "$work" && env -i PATH="$PATH" "${envs[@]}" "./$variant" "${args[@]}"; echo "status=$?") > "$out" 2>&1
  # QMK_DRYRUN_OUT sends the flow to a file: check it in front of the status line.
  if [ -f "$work/flow.txt" ]; then
    cat "$work/flow.txt" "$out" > "$out.all" && mv "$out.all" "$out"
    rm -f "$work/flow.txt"
  fi
  if ! "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefixes="$prefixes" -DMODE="$mode" "$checks/$check.check" \
      --input-file="$out"; then
    echo "FAILED: $cxx variant $variant, $check ($*)"
    failures=$((failures + 1))
  fi
}

for v in $variants; do
  p=CHECK mode=
  case $v in *d*) p+=,DBG mode=D ;; *) p+=,NODBG ;; esac
  case $v in *x*) p+=,EXC ;; *) p+=,NOEXC ;; esac
  case $v in *y*) p+=,DYN ;; *) p+=,NODYN ;; esac
  run "$v" pass "$p" "$mode"
  # The steering runs on four builds that take both sides of the debug and dynamic-following
  # switches (the exception switch matters to the throwing runs only).
  case $v in o | y | dx | dxy) ;; *) continue ;; esac
  run "$v" fail_check "$p" "$mode" QMK_DRYRUN_FAIL=11
  run "$v" message "$p" "$mode" QMK_DRYRUN_MESSAGES=1
  run "$v" mismatch "$p" "$mode" QMK_DRYRUN_MESSAGES=1 QMK_DRYRUN_FAIL=99,71
  run "$v" rdv "$p" "$mode" QMK_DRYRUN_RDV_FAIL=other,sync
  run "$v" link "$p" "$mode" QMK_DRYRUN_LINK_FAIL=1
  run "$v" tester "$p" "$mode" -SET=T QMK_DRYRUN_INTERRECV=peer:41 QMK_DRYRUN_OUT=flow.txt
  run "$v" tester_fail "$p" "$mode" -SET=T QMK_DRYRUN_INTERSEND_FAIL=1
  run "$v" stop "$p" "$mode" -SET=XE
  run "$v" error "$p" "$mode" -SET=E
  run "$v" verbose "$p" "$mode" QMK_DRYRUN_VERBOSE=1
  case $v in
    *x*)
      run "$v" handled "$p" "$mode" RTTEST_THROW=1
      run "$v" unhandled "$p" "$mode" RTTEST_THROW=2
      ;;
  esac
done
run thread thread CHECK,DBG,EXC,DYN D QMK_DRYRUN_FILTERS=T QMK_DRYRUN_INSTANCE=left QMK_DRYRUN_OCCID=3 \
  QMK_DRYRUN_INTERRECV=7

if [ "$failures" -ne 0 ]; then
  echo "$failures run(s) failed"
  exit 1
fi
echo "all runs passed ($cxx)"
