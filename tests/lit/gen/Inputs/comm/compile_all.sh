#!/bin/sh
# Compiles a generated driver with g++ and clang++ in every combination of QLX_TESSVIA_DEBUG,
# QLX_HANDLE_EXCEPTION and QMK_DYNFLW=1, warnings as errors, the jobs in parallel. The programs are
# <out>/<compiler>_<d><h><f> (each letter 0 or 1). Prints "compiled 16" when all succeed.
# usage: compile_all.sh <driver.cc> <out dir> <include dir>...
set -u
source=$1; out=$2; shift 2
includes=""
for dir in "$@"; do includes="$includes -I$dir"; done
mkdir -p "$out"
# A thread start routine has no main: compiled only.
link=""
grep -q "^QLX_T_INT main(" "$source" || link="-c"
pids=""
for cxx in g++ clang++; do
  for d in 0 1; do for h in 0 1; do for f in 0 1; do
    flags=""
    [ $d = 1 ] && flags="$flags -DQLX_TESSVIA_DEBUG"
    [ $h = 1 ] && flags="$flags -DQLX_HANDLE_EXCEPTION"
    [ $f = 1 ] && flags="$flags -DQMK_DYNFLW=1"
    name="$out/${cxx%++}_$d$h$f"
    $cxx -std=c++17 -Wall -Wextra -Werror $flags $includes $link -o "$name" "$source" 2>"$name.log" &
    pids="$pids $!"
  done; done; done
done
failed=0
count=0
for pid in $pids; do
  if wait $pid; then count=$((count + 1)); else failed=1; fi
done
if [ $failed != 0 ]; then
  cat "$out"/*.log
  exit 1
fi
echo "compiled $count"
