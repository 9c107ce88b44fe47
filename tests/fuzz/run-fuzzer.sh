#!/bin/sh
# Runs one fuzz target for a fixed time on a scratch copy of its seed corpus
# (the committed corpus is never changed) and reports how many inputs it ran.
# Usage: run-fuzzer.sh FUZZER CORPUS SECONDS ARTIFACT_DIR
set -eu
fuzzer=$1
corpus=$2
seconds=$3
artifacts=$4
name=$(basename "$fuzzer")

# The target's own files (a settings file rewritten thousands of times a
# second) go to memory when the machine offers a memory file system.
scratch=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=/dev/shm
fi
work=$(mktemp -d "$scratch/figurewheel-$name-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/tmp" "$artifacts"
cp "$corpus"/* "$work/corpus/"

status=0
TMPDIR="$work/tmp" "$fuzzer" -max_total_time="$seconds" -runs=-1 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$work/corpus" >"$work/log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/log"
  echo "$name: FAILED after ${runs:-?} executions; failing input kept in $artifacts" >&2
  exit 1
fi
echo "$name: ${runs:-?} executions in $seconds s, $(ls "$work/corpus" | wc -l) inputs in the corpus, no failure"
