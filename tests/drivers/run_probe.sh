#!/usr/bin/env bash
# Generates the probe decoders of the probe scripts (probe/*.pts), DEFAULT and CUSTOM, compiles
# each with the dry-run runtime's probe entry (qlx_probe_main.cpp), warnings as errors, two
# compile jobs at a time, and runs it on the script's recording (probe/<script>.prb); the printed
# flow is checked with FileCheck against probe/<script>.check: the decoded calls (prefix CHECK,
# the reading of the recording left out) and the reading itself (DEF for a DEFAULT decoder, whose
# entry replays the records through qlx_write_probe; CUS for a CUSTOM one, which reads them
# through qlx_read_probe). The application exchange_app.cc reports through the trace macros and
# must give the same decoded flow as the recording of exchange.pts; a recording with a bad record
# (bad.prb) is decoded up to it, and the line is named on the standard error stream (bad.check).
#   run_probe.sh <c++ compiler> <FileCheck> <qmkprepro> <source root> <work folder>
set -uo pipefail

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <program>.<mode>
  cxx=$2 src=$3 work=$4 job=$5
  program=${job%.*} mode=${job#*.}
  flags=(-std=c++17 -Wall -Wextra -Werror -Wno-unused-parameter -I"$src/runtime" -I"$src/tests/drivers/probe"
    -I"$work/out")
  [ "$mode" = CUSTOM ] && flags+=(-DQLX_PROBE_CUSTOM)
  if [ "$program" = exchange_app ]; then
    exec "$cxx" "${flags[@]}" -DNB_INSTANCES=1 -DPROBE_HEADER="\"exchange_$mode.h\"" "$work/out/exchange_$mode.cc" \
      "$src/tests/drivers/probe/exchange_app.cc" -o "$work/$job"
  fi
  exec "$cxx" "${flags[@]}" "$work/out/${program}_$mode.cc" "$src/runtime/qlx_probe_main.cpp" -o "$work/$job"
fi

cxx=$1 filecheck=$2 qmk=$3 src=$4 work=$5
# The compiler runs in the scripts' folder.
qmk=$(cd "$(dirname "$qmk")" && pwd)/$(basename "$qmk")
mkdir -p "$work" && work=$(cd "$work" && pwd)
checks=$src/tests/drivers/probe
: "${QANDORDIR:=$(cd "$(dirname "$qmk")/.." && pwd)}"
rm -rf "$work" && mkdir -p "$work/out" "$work/scripts" || exit 1
scripts="exchange repeats sends unions"
modes="DEFAULT CUSTOM"
# The listings are written beside the scripts: a copy of them keeps the source tree clean.
cp "$checks"/*.pts "$checks/probe.h" "$work/scripts/" || exit 1
for s in $scripts; do
  for m in $modes; do
    (cd "$work/scripts" && env QANDORDIR="$QANDORDIR" SOURCE_DATE_EPOCH=1700000000 "$qmk" "$s.pts" probe.h \
      "$work/out/${s}_$m" -PROBE=$m > "$work/${s}_$m.gen.txt" 2>&1)
    if [ ! -f "$work/out/${s}_$m.cc" ] || [ ! -f "$work/out/${s}_$m.h" ]; then
      cat "$work/${s}_$m.gen.txt"
      echo "FAILED: no probe decoder for $s.pts -PROBE=$m"
      exit 1
    fi
  done
done
jobs=()
for m in $modes; do
  for s in $scripts exchange_app; do jobs+=("$s.$m"); done
done
if ! printf '%s\n' "${jobs[@]}" | xargs -P2 -n1 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the probe decoders with $cxx"
  exit 1
fi

failures=0
# check <output> <check file> <reading prefix>: the decoded calls, then the reading.
check() {
  local out=$1 file=$2 reading=$3
  if ! grep -v -E '^RT (write|open|read|close)_probe' "$out" |
      "$filecheck" --match-full-lines --check-prefix=CHECK "$file"; then
    return 1
  fi
  "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefix="$reading" "$file" --input-file="$out"
}

for m in $modes; do
  reading=DEF
  [ "$m" = CUSTOM ] && reading=CUS
  for s in $scripts; do
    out=$work/$s.$m.out
    (cd "$work" && env -i PATH="$PATH" QMK_DRYRUN_PROBE="$checks/$s.prb" "./$s.$m"; echo "status=$?") > "$out" 2>&1
    if ! check "$out" "$checks/$s.check" "$reading"; then
      echo "FAILED: $cxx, $s.pts -PROBE=$m"
      failures=$((failures + 1))
    fi
  done
  if [ "$m" = DEFAULT ]; then
    # A recording that cannot be read to its end.
    out=$work/bad.out
    (cd "$work" && env -i PATH="$PATH" QMK_DRYRUN_PROBE="$checks/bad.prb" ./exchange.DEFAULT 2> "$out.err"
      echo "status=$?") > "$out"
    if ! "$filecheck" --match-full-lines "$checks/bad.check" --input-file="$out" ||
        ! "$filecheck" --check-prefix=ERROR "$checks/bad.check" --input-file="$out.err"; then
      echo "FAILED: $cxx, a bad recording"
      failures=$((failures + 1))
    fi
  fi
  out=$work/exchange_app.$m.out
  (cd "$work" && env -i PATH="$PATH" QMK_DRYRUN_PROBE="$work/app_$m.prb" "./exchange_app.$m"; echo "status=$?") \
    > "$out" 2>&1
  if ! check "$out" "$checks/exchange.check" "APP$reading"; then
    echo "FAILED: $cxx, exchange_app.cc -PROBE=$m"
    failures=$((failures + 1))
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$failures run(s) failed"
  exit 1
fi
echo "probe decoders: all runs passed with $cxx"
