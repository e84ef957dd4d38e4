#!/usr/bin/env bash
# Generates the driver of statements.pts (every statement of the statement writer: timers, SET and
# UNSET, PAUSE, PRINT, '@' lines and '#' declarations, IF, WHILE, CASE, RENDEZVOUS, INTERSEND,
# INTERRECV), compiles it against the dry-run runtime in every combination of QLX_TESSVIA_DEBUG,
# QLX_HANDLE_EXCEPTION and QMK_DYNFLW=1, warnings as errors, two compile jobs at a time; then runs
# each build under the steering variables of checks/*.check and checks the printed flow and the
# exit status with FileCheck.
#   run_statements.sh <c++ compiler> <FileCheck> <source root> <work folder> <qmkprepro>
set -uo pipefail

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <variant>
  cxx=$2 src=$3 work=$4 variant=$5
  flags=()
  case $variant in *d*) flags+=(-DQLX_TESSVIA_DEBUG) ;; esac
  case $variant in *x*) flags+=(-DQLX_HANDLE_EXCEPTION) ;; esac
  case $variant in *y*) flags+=(-DQMK_DYNFLW=1) ;; esac
  exec "$cxx" -std=c++17 -Wall -Wextra -Werror -I"$src/runtime" -I"$work" "${flags[@]}" \
    "$work/statements.cc" -o "$work/$variant"
fi

cxx=$1 filecheck=$2 src=$3 work=$4 qmkprepro=$5
here=$src/tests/drivers/statements
rm -rf "$work" && mkdir -p "$work" || exit 1
cp "$here/statements.pts" "$here/statements.h" "$work/" || exit 1
# The compiler finds its message catalogue beside its bin folder.
if ! (cd "$work" && env QANDORDIR="$(dirname "$(dirname "$qmkprepro")")" SOURCE_DATE_EPOCH=1700000000 \
      "$qmkprepro" statements.pts statements.h statements > generate.log 2>&1) || [ ! -f "$work/statements.cc" ]; then
  cat "$work/generate.log"
  echo "FAILED: generating the driver"
  exit 1
fi

# Variant names list their switches: d debug, x exceptions, y dynamic following; "o" none.
variants="o d x y dx dy xy dxy"
if ! printf '%s\n' $variants | xargs -P2 -n1 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the driver with $cxx"
  exit 1
fi

failures=0
# run <variant> <check> <prefixes> <environment...>: the run's output, then status=N.
run() {
  local variant=$1 check=$2 prefixes=$3
  shift 3
  local out=$work/$variant.$check.out
  (cd "$work" && env -i PATH="$PATH" "$@" "./$variant"; echo "status=$?") > "$out" 2>&1
  if ! "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefixes="$prefixes" \
      "$here/checks/$check.check" --input-file="$out"; then
    echo "FAILED: $cxx variant $variant, $check ($*)"
    failures=$((failures + 1))
  fi
}

for v in $variants; do
  p=CHECK
  case $v in *d*) p+=,DBG ;; *) p+=,NODBG ;; esac
  case $v in *y*) p+=,DYN ;; *) p+=,NODYN ;; esac
  run "$v" pass "$p" QMK_DRYRUN_INTERRECV=peer:41
  run "$v" rdv "$p" QMK_DRYRUN_INTERRECV=peer:41 QMK_DRYRUN_RDV_FAIL=sync
  run "$v" intersend_fail "$p" QMK_DRYRUN_INTERRECV=peer:41 QMK_DRYRUN_INTERSEND_FAIL=1
  run "$v" no_message "$p"
  run "$v" empty_text "$p" QMK_DRYRUN_INTERRECV=peer:
done

if [ "$failures" -ne 0 ]; then
  echo "$failures run(s) failed"
  exit 1
fi
echo "all runs passed ($cxx)"
