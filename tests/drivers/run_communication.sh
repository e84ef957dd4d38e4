#!/usr/bin/env bash
# Generates the drivers of the communication scripts (communication/*.pts), compiles each against
# the dry-run runtime in every combination of QLX_TESSVIA_DEBUG, QLX_HANDLE_EXCEPTION and
# QMK_DYNFLW=1, warnings as errors, two compile jobs at a time; then runs them under the steering
# variables that make each WAITTIL end by OK, by KO, by its time-out, without a definition or
# without a connection, and a procsend fail, and checks the printed flow and the exit status with
# FileCheck (communication/<script>_<run>.check).
#   run_communication.sh <c++ compiler> <FileCheck> <source root> <work folder> <build folder>
set -uo pipefail

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <script>.<variant>
  cxx=$2 src=$3 work=$4 job=$5
  script=${job%.*} variant=${job#*.}
  flags=()
  case $variant in *d*) flags+=(-DQLX_TESSVIA_DEBUG) ;; esac
  case $variant in *x*) flags+=(-DQLX_HANDLE_EXCEPTION) ;; esac
  case $variant in *y*) flags+=(-DQMK_DYNFLW=1) ;; esac
  exec "$cxx" -std=c++17 -Wall -Wextra -Werror -I"$src/runtime" -I"$src/tests/drivers/communication" \
    "${flags[@]}" "$work/out/$script.cc" -o "$work/$script.$variant"
fi

cxx=$1 filecheck=$2 src=$3 work=$4 build=$5
checks=$src/tests/drivers/communication
rm -rf "$work" && mkdir -p "$work/out" || exit 1
scripts="flow trigger"
for s in $scripts; do
  # The run's status counts its warnings: the driver itself says whether it was written.
  (cd "$checks" && env QANDORDIR="$build" SOURCE_DATE_EPOCH=1700000000 "$build/bin/qmkprepro" "$s.pts" comm.h \
    "$work/out/$s" > "$work/$s.gen.txt" 2>&1)
  if [ ! -f "$work/out/$s.cc" ]; then
    cat "$work/$s.gen.txt"
    echo "FAILED: no driver for $s.pts"
    exit 1
  fi
done
# Variant names list their switches: d debug, x exceptions, y dynamic following; "o" none.
variants="o d x y dx dy xy dxy"
jobs=()
for s in $scripts; do for v in $variants; do jobs+=("$s.$v"); done; done
if ! printf '%s\n' "${jobs[@]}" | xargs -P2 -n1 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the drivers with $cxx"
  exit 1
fi

failures=0
# run <script> <variant> <check> <prefixes> <env and arguments...>: the run's output, then status=N.
run() {
  local script=$1 variant=$2 check=$3 prefixes=$4
  shift 4
  local args=() envs=()
  for a in "$@"; do
    case $a in -*) args+=("$a") ;; *) envs+=("$a") ;; esac
  done
  local out=$work/$script.$variant.$check.out
  (cd "$work" && env -i PATH="$PATH" "${envs[@]}" "./$script.$variant" "${args[@]}"; echo "status=$?") > "$out" 2>&1
  if ! "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefixes="$prefixes" \
      "$checks/${script}_$check.check" --input-file="$out"; then
    echo "FAILED: $cxx variant $variant, $script $check ($*)"
    failures=$((failures + 1))
  fi
}

for v in $variants; do
  p=CHECK
  case $v in *d*) p+=,DBG ;; *) p+=,NODBG ;; esac
  case $v in *y*) p+=,DYN ;; *) p+=,NODYN ;; esac
  run flow "$v" ok "$p" QMK_DRYRUN_MESSAGES=1
  run flow "$v" timeout "$p"
  run flow "$v" ko "$p" QMK_DRYRUN_MESSAGES=2
  run flow "$v" nodef "$p" QMK_DRYRUN_MESSAGES=1 -SET=N
  run flow "$v" noconn "$p" QMK_DRYRUN_MESSAGES=1 -SET=C
  run flow "$v" send_fail "$p" QMK_DRYRUN_MESSAGES=1 COMM_WRITE_FAIL=1
  run trigger "$v" ok "$p" QMK_DRYRUN_MESSAGES=1
  run trigger "$v" timeout "$p"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures run(s) failed"
  exit 1
fi
echo "all runs passed ($cxx)"
