#!/usr/bin/env bash
# Generates a driver from each script of generated/ with qmkprepro, compiles it against the
# dry-run runtime (runtime/TP.h) in every combination of QLX_TESSVIA_DEBUG, QLX_HANDLE_EXCEPTION
# and QMK_DYNFLW=1, warnings as errors, two compile jobs at a time, then runs each build with the
# steering of the script's check files and checks the printed flow and the exit status with
# FileCheck.
#   run_generated.sh <c++ compiler> <FileCheck> <qmkprepro> <source root> <work folder> [script...]
#
# A script (generated/<name>.pts) says how it is generated and built, in comment lines:
#   -- qmkprepro: <options>      the options of the qmkprepro run (required; may be empty).
#                                 -THREAD or -THREAD=<routine> builds link qlx_dryrun_main.cpp.
#   -- extra build: -O2          one more build, "opt": all three switches, optimised.
# Each check file generated/<name>.<run>.check is one named run; its comment lines
#   # run: [VAR=value ...] [-option ...]     the environment and the program's arguments
#   # builds: <variant> ...                  the builds it runs on (default: all of them)
# A check file generated/<name>.driver.check, if any, is checked against the generated driver.
# Variant names list their switches: d debug, x exceptions, y dynamic following; "o" none. The
# check prefixes follow the switches: CHECK, DBG or NODBG, EXC or NOEXC, DYN or NODYN; -DMODE is
# "D" in a debug build. The output ends with "status=<exit status>".
set -uo pipefail

variant_flags() {
  case $1 in *d* | opt) echo -n " -DQLX_TESSVIA_DEBUG" ;; esac
  case $1 in *x* | opt) echo -n " -DQLX_HANDLE_EXCEPTION" ;; esac
  case $1 in *y* | opt) echo -n " -DQMK_DYNFLW=1" ;; esac
}

# The options of a script: the text after "-- qmkprepro:".
script_options() {
  sed -n 's/^-- qmkprepro:[[:space:]]*//p' "$1" | head -n1
}

# The start routine of a -THREAD script ("" for a main).
start_routine() {
  local name=$1 opt
  for opt in $2; do
    case $opt in
      -THREAD) echo "${name}_start"; return ;;
      -THREAD=*) echo "${opt#-THREAD=}"; return ;;
    esac
  done
}

if [ "${1:-}" = "--compile" ]; then
  # one compile job: --compile <compiler> <source root> <work folder> <script> <variant>
  cxx=$2 src=$3 work=$4 name=$5 variant=$6
  dir=$work/$name
  opt=-O0
  [ "$variant" = opt ] && opt=-O2
  routine=$(start_routine "$name" "$(script_options "$src/tests/drivers/generated/$name.pts")")
  extra=()
  [ -n "$routine" ] && extra=("-DQMK_DRYRUN_START=$routine" "$src/runtime/qlx_dryrun_main.cpp")
  # shellcheck disable=SC2046
  if ! "$cxx" -std=c++17 -Wall -Wextra -Werror $opt -I"$src/runtime" -I"$dir" $(variant_flags "$variant") \
      "$dir/out/$name.cc" "${extra[@]}" "$work/suite_$opt.o" -o "$dir/$variant" 2> "$dir/$variant.log"; then
    echo "FAILED: $cxx could not compile $name.cc as variant $variant:"
    cat "$dir/$variant.log"
    exit 1
  fi
  exit 0
fi

cxx=$1 filecheck=$2 qmkprepro=$3 src=$4 work=$5
shift 5
scripts_dir=$src/tests/drivers/generated
rm -rf "$work" && mkdir -p "$work" || exit 1
export QANDORDIR=${QANDORDIR:-$(dirname "$(dirname "$qmkprepro")")}

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$scripts_dir"/*.pts; do names+=("$(basename "$f" .pts)"); done
fi

# Generate every driver. A script whose run writes no driver is a failure: the suite covers only
# what the writer generates.
failures=0
jobs=()
for name in "${names[@]}"; do
  pts=$scripts_dir/$name.pts
  if ! grep -q '^-- qmkprepro:' "$pts"; then
    echo "FAILED: $name.pts has no '-- qmkprepro:' line"
    failures=$((failures + 1))
    continue
  fi
  options=$(script_options "$pts")
  dir=$work/$name
  mkdir -p "$dir/out"
  cp "$pts" "$scripts_dir/suite.h" "$dir/"
  # shellcheck disable=SC2086
  (cd "$dir" && SOURCE_DATE_EPOCH=1700000000 "$qmkprepro" "$name.pts" suite.h "out/$name" $options) \
    > "$dir/qmkprepro.log" 2>&1
  status=$?
  if [ $status -ne 0 ] && [ $status -ne 3 ]; then
    echo "FAILED: qmkprepro $name.pts $options ended with status $status:"
    cat "$dir/qmkprepro.log"
    failures=$((failures + 1))
    continue
  fi
  if [ ! -f "$dir/out/$name.cc" ]; then
    echo "FAILED: qmkprepro $name.pts $options wrote no driver (out/$name.cc): the script holds" \
      "something the driver writer does not cover"
    failures=$((failures + 1))
    continue
  fi
  if ! compgen -G "$scripts_dir/$name.*.check" > /dev/null; then
    echo "FAILED: $name.pts has no check file ($name.<run>.check)"
    failures=$((failures + 1))
    continue
  fi
  # <name>.driver.check checks the generated text itself (what the flow does not show).
  if [ -f "$scripts_dir/$name.driver.check" ] && ! "$filecheck" "$scripts_dir/$name.driver.check" \
      --input-file="$dir/out/$name.cc"; then
    echo "FAILED: the driver of $name.pts ($name.driver.check)"
    failures=$((failures + 1))
  fi
  for v in o d x y dx dy xy dxy; do jobs+=("$name $v"); done
  grep -q '^-- extra build: -O2' "$pts" && jobs+=("$name opt")
done

# The code under test, once per optimisation level.
for opt in -O0 -O2; do
  if ! "$cxx" -std=c++17 -Wall -Wextra -Werror $opt -c "$scripts_dir/suite.cc" -o "$work/suite_$opt.o"; then
    echo "FAILED: compiling suite.cc with $cxx $opt"
    exit 1
  fi
done

if ! printf '%s\n' "${jobs[@]}" | xargs -P2 -n2 "$0" --compile "$cxx" "$src" "$work"; then
  echo "FAILED: compiling the drivers with $cxx"
  exit 1
fi

# run <script> <variant> <check file>: the run's output, then status=N, checked with FileCheck.
run() {
  local name=$1 variant=$2 check=$3
  local dir=$work/$name p=CHECK mode=
  case $variant in *d* | opt) p+=,DBG mode=D ;; *) p+=,NODBG ;; esac
  case $variant in *x* | opt) p+=,EXC ;; *) p+=,NOEXC ;; esac
  case $variant in *y* | opt) p+=,DYN ;; *) p+=,NODYN ;; esac
  local args=() envs=() word
  # shellcheck disable=SC2013
  for word in $(sed -n 's/^# run:[[:space:]]*//p' "$check" | head -n1); do
    case $word in -*) args+=("$word") ;; *) envs+=("$word") ;; esac
  done
  local out=$dir/$variant.$(basename "$check" .check).out
  (cd "$dir" && env -i PATH="$PATH" "${envs[@]}" "./$variant" "${args[@]}"; echo "status=$?") > "$out" 2>&1
  if ! "$filecheck" --match-full-lines --allow-unused-prefixes --check-prefixes="$p" -DMODE="$mode" "$check" \
      --input-file="$out"; then
    echo "FAILED: $cxx, $name variant $variant, $(basename "$check") (${envs[*]} ${args[*]})"
    failures=$((failures + 1))
  fi
}

runs=0
for job in "${jobs[@]}"; do
  read -r name variant <<< "$job"
  checks=("$scripts_dir/$name".*.check)
  for check in "${checks[@]}"; do
    case $check in *.driver.check) continue ;; esac
    builds=$(sed -n 's/^# builds:[[:space:]]*//p' "$check" | head -n1)
    if [ -n "$builds" ] && ! [[ " $builds " == *" $variant "* ]]; then continue; fi
    run "$name" "$variant" "$check"
    runs=$((runs + 1))
  done
done

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s) in $runs run(s)"
  exit 1
fi
echo "all $runs runs of ${#names[@]} scripts passed ($cxx)"
