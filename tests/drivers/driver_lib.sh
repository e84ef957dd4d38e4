#!/usr/bin/env bash
# driver_lib.sh - the steps every compile-and-run suite of tests/drivers shares: generate a driver
# with qmkprepro, compile it against the dry-run runtime (runtime/TP.h) in every combination of
# QLX_TESSVIA_DEBUG, QLX_HANDLE_EXCEPTION and QMK_DYNFLW=1 (-std=c++17 -Wall -Wextra -Werror), two
# jobs at a time, run each build under steering variables, also two at a time, and check the
# printed flow followed by "status=<exit status>" with FileCheck.
#
# A runner sources this file, calls drv_init, queues compile jobs (drv_compile) and runs
# (drv_run, drv_run_checks), then drv_compile_all, drv_run_all and drv_finish; drv_script_suite
# does all of it for a folder of scripts. The queued jobs run in two workers of the runner's own
# shell, without a new shell per job: a suite runs several hundred of them.
#
# Variants name their switches: d debug, x exceptions, y dynamic following, "o" none; "opt" is all
# three, optimised (-O2). The check prefixes follow the switches: CHECK, DBG or NODBG, EXC or
# NOEXC, DYN or NODYN; -DMODE is "D" in a debug build. Paths must not hold blanks: queued lines
# are split on them.

DRV_VARIANTS="o d x y dx dy xy dxy"

# drv_switches <variant>: DRV_FLAGS (compiler switches), DRV_PREFIXES (FileCheck prefixes) and
# DRV_MODE (the value of -DMODE) of a variant.
drv_switches() {
  DRV_FLAGS=() DRV_PREFIXES=CHECK DRV_MODE=
  case $1 in
    *d* | opt) DRV_FLAGS+=(-DQLX_TESSVIA_DEBUG) DRV_PREFIXES+=,DBG DRV_MODE=D ;;
    *) DRV_PREFIXES+=,NODBG ;;
  esac
  case $1 in
    *x* | opt) DRV_FLAGS+=(-DQLX_HANDLE_EXCEPTION) DRV_PREFIXES+=,EXC ;;
    *) DRV_PREFIXES+=,NOEXC ;;
  esac
  case $1 in
    *y* | opt) DRV_FLAGS+=(-DQMK_DYNFLW=1) DRV_PREFIXES+=,DYN ;;
    *) DRV_PREFIXES+=,NODYN ;;
  esac
}

# One compile job: <variant> <output> <sources and options...>. An argument holding "{opt}" gets
# the optimisation level of the variant (-O0, or -O2 for "opt"), so that a variant links the
# object of the code under test built the same way.
drv_compile_job() {
  local variant=$1 output=$2
  shift 2
  local opt=-O0
  [ "$variant" = opt ] && opt=-O2
  local args=("${@//\{opt\}/$opt}")
  drv_switches "$variant"
  if ! "$DRV_CXX" -std=c++17 -Wall -Wextra -Werror "$opt" "${DRV_FLAGS[@]}" "${args[@]}" ${DRV_LINKER:+"$DRV_LINKER"} \
      -o "$output" 2> "$output.log"; then
    echo "FAILED: $DRV_CXX could not compile variant $variant ($output):"
    echo "  $DRV_CXX -std=c++17 -Wall -Wextra -Werror $opt ${DRV_FLAGS[*]} ${args[*]}"
    cat "$output.log"
    return 1
  fi
}

# One run: <binary> <check file> <variant> [VAR=value | -option ...]. The program runs in its own
# folder with an empty environment but PATH and the given variables, and the program's options.
# When QMK_DRYRUN_OUT sends the flow to a file, the file is checked in front of the status line;
# its name is made the run's own, so that runs side by side do not share it.
drv_run_job() {
  local binary=$1 check=$2 variant=$3
  shift 3
  local base=${check##*/}
  local out=$binary.${base%.check}.out
  local args=() envs=() word flow=
  for word in "$@"; do
    case $word in
      QMK_DRYRUN_OUT=*) flow=$out.flow envs+=("QMK_DRYRUN_OUT=$flow") ;;
      -*) args+=("$word") ;;
      *) envs+=("$word") ;;
    esac
  done
  { env -i -C "${binary%/*}" PATH="$PATH" "${envs[@]}" "$binary" "${args[@]}"; echo "status=$?"; } > "$out" 2>&1
  if [ -n "$flow" ] && [ -f "$flow" ]; then
    cat "$flow" "$out" > "$out.all" && mv "$out.all" "$out"
  fi
  drv_switches "$variant"
  if ! "$DRV_FILECHECK" --match-full-lines --allow-unused-prefixes --check-prefixes="$DRV_PREFIXES" \
      -DMODE="$DRV_MODE" "$check" --input-file="$out" > "$out.filecheck" 2>&1; then
    cat "$out.filecheck"
    local dir=${binary%/*}
    echo "FAILED: ${dir##*/}/${binary##*/} variant $variant, $base ($*)"
    # one short line per failure: appended whole even when both workers fail at once
    echo "$binary $check" >> "$DRV_WORK/failed.runs"
  fi
}

# drv_pool <job function> <jobs file>: the jobs, one a line, split on blanks, in two workers (the
# first takes the odd lines, the second the even ones). Fails when a job of either failed.
drv_pool() {
  local job=$1 file=$2 k pids=() status=0
  for k in 0 1; do
    (
      n=0 rc=0
      while IFS= read -r line; do
        if [ $((n++ % 2)) -eq $k ]; then
          read -r -a words <<< "$line"
          "$job" "${words[@]}" || rc=1
        fi
      done < "$file"
      exit $rc
    ) &
    pids+=($!)
  done
  for k in "${pids[@]}"; do wait "$k" || status=1; done
  return $status
}

# drv_init <c++ compiler> <FileCheck> <source root> <work folder>: a fresh work folder and
# empty queues.
drv_init() {
  DRV_CXX=$1 DRV_FILECHECK=$2 DRV_SOURCE=$3 DRV_WORK=$4
  rm -rf "$DRV_WORK" && mkdir -p "$DRV_WORK" || exit 1
  : > "$DRV_WORK/compile.jobs"
  : > "$DRV_WORK/run.jobs"
  : > "$DRV_WORK/failed.runs"
  DRV_ERRORS=0
  # The gold linker, when the compiler can use it: linking takes a third of a build otherwise.
  DRV_LINKER=
  if echo 'int main() { return 0; }' | "$DRV_CXX" -x c++ - -fuse-ld=gold -o "$DRV_WORK/linker_probe" 2> /dev/null; then
    DRV_LINKER=-fuse-ld=gold
  fi
}

# drv_fail <message...>: a failure outside the runs (generation, a missing file).
drv_fail() {
  echo "FAILED: $*"
  DRV_ERRORS=$((DRV_ERRORS + 1))
}

# drv_compile <variant> <output> <sources and options...>: queues one build.
drv_compile() {
  echo "$*" >> "$DRV_WORK/compile.jobs"
}

# drv_compile_all: the queued builds, two at a time; fails when one of them does.
drv_compile_all() {
  if ! drv_pool drv_compile_job "$DRV_WORK/compile.jobs"; then
    echo "FAILED: compiling the drivers with $DRV_CXX"
    return 1
  fi
}

# drv_run <binary> <check file> <variant> [VAR=value | -option ...]: queues one run.
drv_run() {
  echo "$*" >> "$DRV_WORK/run.jobs"
}

# drv_run_checks <binary> <variant> <check files...>: queues the run of each check file whose
# "# builds:" line names the variant (every variant without one), with the environment and
# arguments of its "# run:" line.
drv_run_checks() {
  local binary=$1 variant=$2 check builds
  shift 2
  for check in "$@"; do
    builds=$(sed -n 's/^# builds:[[:space:]]*//p' "$check" | head -n1)
    if [ -n "$builds" ] && ! [[ " $builds " == *" $variant "* ]]; then continue; fi
    # shellcheck disable=SC2046
    drv_run "$binary" "$check" "$variant" $(sed -n 's/^# run:[[:space:]]*//p' "$check" | head -n1)
  done
}

# drv_run_all: the queued runs, two at a time.
drv_run_all() {
  drv_pool drv_run_job "$DRV_WORK/run.jobs"
}

# drv_finish: the summary, and the runner's exit status.
drv_finish() {
  local runs failed
  runs=$(wc -l < "$DRV_WORK/run.jobs")
  failed=$(wc -l < "$DRV_WORK/failed.runs")
  if [ "$failed" -ne 0 ] || [ "$DRV_ERRORS" -ne 0 ]; then
    echo "$failed of $runs run(s) failed, $DRV_ERRORS other failure(s) ($DRV_CXX)"
    exit 1
  fi
  echo "all $runs runs passed ($DRV_CXX)"
  exit 0
}

# drv_generate <qmkprepro> <folder> <script> <header> [options...]: writes <folder>/out/<name>.cc
# from the script and header already copied into <folder>. qmkprepro ends with 0, or 3 when it
# warned; a run that writes no driver fails, since the script then holds something the driver
# writer does not cover.
drv_generate() {
  local qmkprepro=$1 dir=$2 script=$3 header=$4
  shift 4
  local name=${script%.pts} status
  mkdir -p "$dir/out"
  (cd "$dir" && env QANDORDIR="${QANDORDIR:-$(dirname "$(dirname "$qmkprepro")")}" SOURCE_DATE_EPOCH=1700000000 \
    "$qmkprepro" "$script" "$header" "out/$name" "$@") > "$dir/qmkprepro.log" 2>&1
  status=$?
  if [ $status -ne 0 ] && [ $status -ne 3 ]; then
    cat "$dir/qmkprepro.log"
    drv_fail "qmkprepro $script $* ended with status $status"
    return 1
  fi
  if [ ! -f "$dir/out/$name.cc" ]; then
    cat "$dir/qmkprepro.log"
    drv_fail "qmkprepro $script $* wrote no driver (out/$name.cc): the script holds something the" \
      "driver writer does not cover"
    return 1
  fi
}

# The options of a script: the text after "-- qmkprepro:".
drv_script_options() {
  sed -n 's/^-- qmkprepro:[[:space:]]*//p' "$1" | head -n1
}

# The start routine of a -THREAD script ("" for a main): drv_start_routine <name> <options>.
drv_start_routine() {
  local name=$1 opt
  for opt in $2; do
    case $opt in
      -THREAD) echo "${name}_start"; return ;;
      -THREAD=*) echo "${opt#-THREAD=}"; return ;;
    esac
  done
}

# drv_script_suite <qmkprepro> <scripts folder> <header> [script names...]: every script of the
# folder (or the ones named), generated, built in every variant and run once per check file.
#   A script (<name>.pts) says how it is generated and built, in comment lines:
#     -- qmkprepro: <options>      the options of the qmkprepro run (required; may be empty).
#                                  -THREAD or -THREAD=<routine> builds link qlx_dryrun_main.cpp.
#     -- extra build: -O2          one more build, "opt": all three switches, optimised.
#   Each check file <name>.<run>.check is one named run; its comment lines
#     # run: [VAR=value ...] [-option ...]     the environment and the program's arguments
#     # builds: <variant> ...                  the builds it runs on (default: all of them)
#   A check file <name>.driver.check, if any, is checked against the generated driver.
# The drivers include the header from their own folder; DRV_LINK (an array the runner may set)
# adds sources or objects to every build.
drv_script_suite() {
  local qmkprepro=$1 scripts=$2 header=$3
  shift 3
  local names=("$@") name pts dir options routine v checks=() check
  if [ ${#names[@]} -eq 0 ]; then
    for pts in "$scripts"/*.pts; do names+=("$(basename "$pts" .pts)"); done
  fi
  local built=()
  for name in "${names[@]}"; do
    pts=$scripts/$name.pts
    if ! grep -q '^-- qmkprepro:' "$pts"; then
      drv_fail "$name.pts has no '-- qmkprepro:' line"
      continue
    fi
    options=$(drv_script_options "$pts")
    dir=$DRV_WORK/$name
    mkdir -p "$dir"
    cp "$pts" "$scripts/$header" "$dir/" || exit 1
    # shellcheck disable=SC2086
    drv_generate "$qmkprepro" "$dir" "$name.pts" "$header" $options || continue
    if ! compgen -G "$scripts/$name.*.check" > /dev/null; then
      drv_fail "$name.pts has no check file ($name.<run>.check)"
      continue
    fi
    # <name>.driver.check checks the generated text itself (what the flow does not show).
    if [ -f "$scripts/$name.driver.check" ] && ! "$DRV_FILECHECK" "$scripts/$name.driver.check" \
        --input-file="$dir/out/$name.cc"; then
      drv_fail "the driver of $name.pts ($name.driver.check)"
    fi
    routine=$(drv_start_routine "$name" "$options")
    local extra=()
    [ -n "$routine" ] && extra=("-DQMK_DRYRUN_START=$routine" "$DRV_SOURCE/runtime/qlx_dryrun_main.cpp")
    local variants=$DRV_VARIANTS
    grep -q '^-- extra build: -O2' "$pts" && variants+=" opt"
    for v in $variants; do
      drv_compile "$v" "$dir/$v" -I"$DRV_SOURCE/runtime" -I"$dir" "$dir/out/$name.cc" "${extra[@]}" \
        "${DRV_LINK[@]}"
      checks=()
      for check in "$scripts/$name".*.check; do
        case $check in *.driver.check) ;; *) checks+=("$check") ;; esac
      done
      drv_run_checks "$dir/$v" "$v" "${checks[@]}"
    done
    built+=("$name")
  done
  drv_compile_all || exit 1
  drv_run_all
  echo "${#built[@]} of ${#names[@]} scripts built"
}
