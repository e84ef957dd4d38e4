#!/usr/bin/env bash
# Front-end and analysis benchmark (not a test): generates a 10,000-scenario script of about
# 450,000 lines, every statement kind the driver writes in every body, with a few includes, then measures the
# processor time (user + system, which other work on the machine disturbs less than elapsed
# time), best of five runs each:
#   tree      reading and parsing it with the test tree tool, with its peak memory;
#   parse     the compiler's run on the same script followed by a line that does not parse, so
#             that the run stops after parsing (banner, interface file, parsing, listing);
#   analyse   the compiler's whole run on the script itself (interface file, parsing, semantic
#             analysis, listing, the TDC file, the TSF template and the C++ driver that a clean
#             analysis writes): the script analyses without a message;
#   driver    the whole run less the same run in PROBE mode, which writes the same TDC file and
#             TSF template, and a probe header and probe decoder instead of the driver: about the
#             time the C++ driver takes (less the decoder's, a small part of it);
#   gcc       `gcc -fsyntax-only` of the same interface file, the yardstick of a compiler reading
#             the same headers: the whole run is given as a multiple of it.
# The analysis checks every statement against the header through the interface analysis, so it
# costs more than the parse; it must stay linear in the script's size.
# Usage: bench/script/run.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/script/generate.py" "$work" 10000
cp "$root/bench/script/bench.h" "$work/"
echo "lines: $(cat "$work"/*.pts | wc -l)"
cd "$work"
export QANDORDIR="$build" LANG=C

best() {  # best processor seconds of five runs of "$@", and that run's peak memory
  local best_time=""
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null 2>"$work/messages" || true
    read -r user system memory < <(tail -1 "$work/time")
    elapsed=$(awk "BEGIN { print $user + $system }")
    if [ -z "$best_time" ] || awk "BEGIN { exit !($elapsed < $best_time) }"; then best_time=$elapsed; best_memory=$memory; fi
  done
  echo "$best_time $best_memory"
}

cp bench.pts parse_only.pts
echo "END SCENARIO" >> parse_only.pts
read -r tree tree_memory < <(best "$build/tests/dump_tree" --quiet -I "$work" bench.pts)
read -r parse parse_memory < <(best "$build/bin/qmkprepro" parse_only.pts bench.h out "-INCL=$work" -NOFAST -TRACE=CIRCULAR)
read -r whole whole_memory < <(best "$build/bin/qmkprepro" bench.pts bench.h out "-INCL=$work" -NOFAST -TRACE=CIRCULAR)
tail -1 "$work/messages"
driver_written=no
[ -f out.cc ] && driver_written=yes
read -r no_driver _ < <(best "$build/bin/qmkprepro" bench.pts bench.h probe "-INCL=$work" -NOFAST -TRACE=CIRCULAR -PROBE=DEFAULT)
read -r gcc_time _ < <(best gcc -fsyntax-only -x c "-I$work" bench.h)
echo "tree     ${tree} s, peak memory ${tree_memory} KB"
echo "parse    ${parse} s, peak memory ${parse_memory} KB"
echo "analyse  ${whole} s, peak memory ${whole_memory} KB (parse + analysis + TDC, TSF and driver)"
if [ "$driver_written" = yes ]; then
  awk "BEGIN { printf \"driver   %.2f s, %d MB (the whole run less the run in PROBE mode)\n\", $whole - $no_driver, $(stat -c %s out.cc) / 1048576 }"
else
  echo "driver   not written (the script holds statements the driver writer does not cover)"
fi
awk "BEGIN { printf \"analysis adds %.0f%% to the parse time\n\", 100 * ($whole - $parse) / $parse }"
awk "BEGIN { printf \"gcc      %.2f s for -fsyntax-only of the interface file: the whole run takes %.0f times as long\n\", $gcc_time, $whole / ($gcc_time > 0 ? $gcc_time : 0.01) }"
