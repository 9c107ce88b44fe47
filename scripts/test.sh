#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: once as released, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)

bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFIGUREWHEEL_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
# Tests labelled no-sanitize check packaging, which the first run covers.
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE no-sanitize
