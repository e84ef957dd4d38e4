#!/usr/bin/env bash
# Generates the driver of checks/checks.pts (VAR checks of every kind) with the built compiler,
# compiles it against the dry-run runtime in every combination of QLX_TESSVIA_DEBUG,
# QLX_HANDLE_EXCEPTION and QMK_DYNFLW=1, warnings as errors, two compile jobs at a time; then runs
# each build unsteered and with checks steered to fail (and, with exception handling, a check
# whose value throws) and checks the printed flow and the exit status with FileCheck.
#   run_checks.sh <c++ compiler> <FileCheck> <source root> <build folder> <work folder>
set -uo pipefail

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <variant>
  cxx=$2 src=$3 work=$4 variant=$5
  flags=()
  case $variant in *d*) flags+=(-DQLX_TESSVIA_DEBUG) ;; esac
  case $variant in *x*) flags+=(-DQLX_HANDLE_EXCEPTION) ;; esac
  case $variant in *y*) flags+=(-DQMK_DYNFLW=1) ;; esac
  exec "$cxx" -std=c++17 -Wall -Wextra -Werror -I"$src/runtime" -I"$work" "${flags[@]}" \
    "$work/out/checks.cc" -o "$work/$variant"
fi

cxx=$1 filecheck=$2 src=$3 build=$4 work=$5
checks=$src/tests/drivers/checks
rm -rf "$work" && mkdir -p "$work/out" || exit 1
cp "$checks/checks.pts" "$checks/checks.h" "$work/" || exit 1
if ! (cd "$work" && env QANDORDIR="$build" SOURCE_DATE_EPOCH=1700000000 "$build/bin/qmkprepro" checks.pts checks.h \
      out/checks > generate.log 2>&1) || [ ! -f "$work/out/checks.cc" ]; then
  cat "$work/generate.log"
  echo "FAILED: generating the driver of checks.pts"
  exit 1
fi
# Variant names list their switches: d debug, x exceptions, y dynamic following; "o" none.
variants="o d x y dx dy xy dxy"
if ! printf '%s\n' $variants | xargs -P2 -n1 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the driver with $cxx"
  exit 1
fi

failures=0
# run <variant> <check file> <prefixes> <variables...>: the run's output, then status=N.
run() {
  local variant=$1 check=$2 prefixes=$3
  shift 3
  local out=$work/$variant.$check.out
  (cd "$work" && env -i PATH="$PATH" "$@" "./$variant"; echo "status=$?") > "$out" 2>&1
  if ! "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefixes="$prefixes" "$checks/$check.check" \
      --input-file="$out"; then
    echo "FAILED: $cxx variant $variant, $check ($*)"
    failures=$((failures + 1))
  fi
}

for v in $variants; do
  p=CHECK
  case $v in *d*) p+=,DBG ;; *) p+=,NODBG ;; esac
  run "$v" pass "$p"
  run "$v" fail_range "$p" QMK_DRYRUN_FAIL=14
  run "$v" fail_element "$p" QMK_DRYRUN_FAIL=81
  case $v in *x*) run "$v" throw "$p" CHECKS_THROW=1 ;; esac
done

if [ "$failures" -ne 0 ]; then
  echo "$failures run(s) failed"
  exit 1
fi
echo "all runs passed ($cxx)"
