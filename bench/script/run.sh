#!/usr/bin/env bash
# Parser benchmark (not a test): generates a 10,000-scenario script of about 200,000 lines with a
# few includes and reads and parses it with the test tree tool, printing the time and peak memory.
# Target on the development machine: under 0.5 s and 300 MB.
# Usage: bench/script/run.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/script/generate.py" "$work" 10000
echo "lines: $(cat "$work"/*.pts | wc -l)"
cd "$work"
export QANDORDIR="$build" LANG=C
/usr/bin/time -f "elapsed %e s, peak memory %M KB" "$build/tests/dump_tree" --quiet -I "$work" bench.pts
