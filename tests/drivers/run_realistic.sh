#!/usr/bin/env bash
# Generates the driver of the realistic script of the analysis tests (the weather station,
# tests/lit/sema/Inputs/realistic/station.pts, checked against its header and the host's C
# library), compiles it against the dry-run runtime in every switch combination with the
# simulated station (realistic/station_sim.cc), and runs it as each tester, with a station that
# answers or stays silent (the check files' "# run:" lines; driver_lib.sh describes them).
#   run_realistic.sh <c++ compiler> <FileCheck> <source root> <work folder> <build folder>
set -uo pipefail
. "$(dirname "$0")/driver_lib.sh"

cxx=$1 filecheck=$2 src=$3 work=$4 build=$5
drv_init "$cxx" "$filecheck" "$src" "$work"
here=$src/tests/drivers/realistic
dir=$DRV_WORK/station
mkdir -p "$dir"
cp "$src/tests/lit/sema/Inputs/realistic/station.pts" "$src/tests/lit/sema/Inputs/realistic/station.h" "$dir/" || exit 1
# The script is checked against the host's <stdio.h> and <string.h>, as the analysis test does.
gcc -dM -E -x c /dev/null > "$dir/host.def" || exit 1
dirs=$(gcc -xc -E -v /dev/null 2>&1 | sed -n '/<...> search starts here/,/End of search/p' | sed '1d;$d' |
  tr -d ' ' | paste -sd,)
drv_generate "$build/bin/qmkprepro" "$dir" station.pts station.h -STD_DEFINE=host.def "-INCL=$dirs" -TRACE=CIRCULAR ||
  drv_finish
for v in $DRV_VARIANTS; do
  drv_compile "$v" "$dir/$v" -I"$src/runtime" -I"$dir" "$dir/out/station.cc" "$here/station_sim.cc"
  drv_run_checks "$dir/$v" "$v" "$here"/station.*.check
done
drv_compile_all || exit 1
drv_run_all
drv_finish
