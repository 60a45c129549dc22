#!/bin/bash
# The whole command-line tool, start-up and assembler included: a run of about 10^8 instructions and
# traces of about 10^6 and 10^5 instructions, output to /dev/null. Prints the median of several runs
# of the elapsed time and of the processor time (user + system; it is what counts on a busy machine),
# and the figures before the run loop was rewritten, measured on the same machine (see README).
#   bench/bench_cli.sh [kavora2-cli]      RUNS=5 by default
set -e
CLI=${1:-build/src/app/kavora2-cli}
DIR=$(dirname "$0")
RUNS=${RUNS:-5}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# "elapsed processor" seconds of one run of the command, output discarded.
seconds() {
    local TIMEFORMAT='%R %U %S'
    { time "$@" > /dev/null 2> /dev/null; } 2>&1 | awk '{printf "%.4f %.4f\n", $1, $2 + $3}'
}

# figure NAME COUNT UNIT BEFORE COMMAND...: runs the command RUNS times and prints the medians;
# BEFORE is the figure of elapsed and of processor time before.
figure() {
    local name=$1 count=$2 unit=$3 before=$4
    shift 4
    local times elapsed processor
    times=$(for _ in $(seq "$RUNS"); do seconds "$@"; done)
    elapsed=$(echo "$times" | awk '{print $1}' | median)
    processor=$(echo "$times" | awk '{print $2}' | median)
    awk -v n="$name" -v c="$count" -v u="$unit" -v e="$elapsed" -v p="$processor" -v b="$before" -v r="$RUNS" 'BEGIN {
        printf "  %-24s %10d %-12s elapsed %6.3f s = %6.1f M/s, processor %6.3f s = %6.1f M/s  (before: %s M/s)\n",
               n, c, u, e, c / e / 1e6, p, c / p / 1e6, b }'
}

instructions=100033340  # of loop1e8.cas
lines6=$("$CLI" run --trace "$DIR/loop1e6.cas" 2> /dev/null | wc -l)
lines5=$("$CLI" run --trace "$DIR/loop1e5.cas" 2> /dev/null | wc -l)
echo "kavora2-cli, whole process, median of $RUNS (elapsed, then processor time):"
figure "run loop1e8.cas" "$instructions" instructions "64.8, 134.5" "$CLI" run "$DIR/loop1e8.cas"
figure "run --trace loop1e6.cas" "$lines6" lines "1.64, 3.15" "$CLI" run --trace "$DIR/loop1e6.cas"
figure "run --trace loop1e5.cas" "$lines5" lines "1.39, 3.13" "$CLI" run --trace "$DIR/loop1e5.cas"
