#!/usr/bin/env bash
# As real_headers.sh, for C++: each header named after the first two arguments is loaded as an
# interface file holding "#include <header>", with the host g++'s macros
# (`g++ -dM -E -x c++ /dev/null`) as the definitions file and its include directories as -I.
# Prints "<header>: status=<s> messages=<n> symbols=<n>" and the messages.
set -u
qmkiface=$1
work=$2
shift 2
mkdir -p "$work"
g++ -dM -E -x c++ /dev/null > "$work/host_defs.h"
includes=()
while read -r dir; do includes+=(-I "$dir"); done < <(g++ -xc++ -E -v /dev/null 2>&1 |
  sed -n '/<...> search starts here/,/End of search/p' | sed '1d;$d')
for header in "$@"; do
  printf '#include <%s>\n' "$header" > "$work/$header.hpp"
  "$qmkiface" declare --defs "$work/host_defs.h" "${includes[@]}" "$work/$header.hpp" > "$work/out.txt" 2> "$work/err.txt"
  status=$?
  echo "$header: status=$status messages=$(wc -l < "$work/err.txt") symbols=$(wc -l < "$work/out.txt")"
  cat "$work/err.txt"
done
