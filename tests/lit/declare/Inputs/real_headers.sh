#!/usr/bin/env bash
# Loads each header named after the first two arguments through `qmkiface declare` with the
# host compiler's macros and include directories, and prints "<header>: status=<s> messages=<n>
# symbols=<n>" for each.
#
# The definitions are gcc's own (`gcc -dM -E -x c /dev/null`), unchanged.
set -u
qmkiface=$1
work=$2
shift 2
mkdir -p "$work"
gcc -dM -E -x c /dev/null > "$work/host_defs.h"
includes=()
while read -r dir; do includes+=(-I "$dir"); done < <(gcc -xc -E -v /dev/null 2>&1 |
  sed -n '/<...> search starts here/,/End of search/p' | sed '1d;$d')
for header in "$@"; do
  "$qmkiface" declare --defs "$work/host_defs.h" "${includes[@]}" "$header" > "$work/out.txt" 2> "$work/err.txt"
  status=$?
  echo "$header: status=$status messages=$(wc -l < "$work/err.txt") symbols=$(wc -l < "$work/out.txt")"
  cat "$work/err.txt"
done
