#!/bin/bash
# Runs one test command of ctest and notes, for the summary at the end of
# `make test`, its stage, when it started and ended (ms) and how many tests
# it ran (a test program says so on its last lines; a script is one test).
# Usage: timed.sh TIMES_DIR STAGE COMMAND...
times=$1 stage=$2
shift 2
mkdir -p "$times"
out=$(mktemp)
start=$(date +%s%3N)
"$@" 2>&1 | tee "$out"
status=${PIPESTATUS[0]}
count=$(sed -n 's/^\[==========\] \([0-9]*\) tests\? from .* ran\..*/\1/p' "$out" | tail -n 1)
echo "$stage $start $(date +%s%3N) ${count:-1} $status" >"$(mktemp "$times/XXXXXX")"
rm -f "$out"
exit "$status"
