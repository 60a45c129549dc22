#!/bin/sh
# The whole command-line tool, assembler included: a run of about 10^8 instructions and a trace of
# about 10^5 instructions to /dev/null. Prints the median of several runs.
set -e
CLI=${1:-build/src/app/kavora2-cli}
DIR=$(dirname "$0")
RUNS=${RUNS:-5}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
seconds() {  # seconds of one run of the command
    start=$(date +%s%N); "$@" > /dev/null 2>&1; end=$(date +%s%N)
    echo "$start $end" | awk '{printf "%.4f\n", ($2-$1)/1e9}'
}

run=$(for i in $(seq "$RUNS"); do seconds "$CLI" run "$DIR/loop1e8.cas"; done | median)
trace=$(for i in $(seq "$RUNS"); do seconds "$CLI" run --trace "$DIR/loop1e5.cas"; done | median)
lines=$("$CLI" run --trace "$DIR/loop1e5.cas" 2>/dev/null | wc -l)
echo "run   loop1e8.cas: 100033340 instructions, median ${run} s of $RUNS: $(echo "$run" | awk '{printf "%.1f", 100033340/$1/1e6}') M instructions/s"
echo "trace loop1e5.cas: $lines lines, median ${trace} s of $RUNS: $(echo "$trace $lines" | awk '{printf "%.0f", $2/$1}') lines/s"
