#!/bin/sh
# Runs the fuzz targets of a fuzz build one after the other, from the committed seeds under
# fuzz/corpus/ and with their dictionaries. New inputs go to BUILD/corpus/, crashes to BUILD/.
#   tools/fuzz-run.sh BUILD smoke SECONDS [TARGET...]   each target for SECONDS (CI)
#   tools/fuzz-run.sh BUILD long [TARGET...]            the executor 10^7 executions, the assembler
#                                                       3*10^6, every reader 10^6 (RUNS_<target>=N)
# Prints one line a target: executions, seconds, exit status, corpus size; exits non-zero when a
# target found something (its log is shown).
set -u
BUILD=$1 mode=$2
shift 2
seconds=0
if [ "$mode" = smoke ]; then seconds=$1; shift; fi
cd "$(dirname "$0")/.."
targets=${*:-executor assembler settings program_file records trace_addresses codepage}
# Allocation stacks cost a third of the time; run a crash input again for them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
failed=0
for name in $targets; do
  f=$BUILD/fuzz/fuzz_$name
  [ -x "$f" ] || { echo "fuzz-run: no $f" >&2; exit 2; }
  # Longer inputs only slow these two down: a few dozen source lines, a few hundred characters
  # reach every path.
  case $name in
    assembler) limit=-max_len=512 ;;
    codepage) limit=-max_len=256 ;;
    *) limit= ;;
  esac
  case $mode in
    smoke) budget=-max_total_time=$seconds ;;
    long)
      case $name in executor) runs=10000000 ;; assembler) runs=3000000 ;; *) runs=1000000 ;; esac
      budget=-runs=$(eval echo "\${RUNS_$name:-$runs}") ;;
    *) echo "fuzz-run: unknown mode $mode" >&2; exit 2 ;;
  esac
  mkdir -p "$BUILD/corpus/$name"
  log=$BUILD/fuzz_$name.$mode.log
  start=$(date +%s)
  "$f" $budget $limit -timeout=20 -print_final_stats=1 -dict="$f.dict" -artifact_prefix="$BUILD/$name-" \
    "$BUILD/corpus/$name" "fuzz/corpus/$name" > "$log" 2>&1
  status=$?
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz_$name: ${executed:-?} executions in $(($(date +%s) - start)) s, exit $status," \
       "$(ls "$BUILD/corpus/$name" | wc -l) inputs in the corpus"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    failed=1
  fi
done
exit $failed
