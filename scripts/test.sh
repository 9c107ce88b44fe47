#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: once as released, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test

# Formatting is kept, not only configured: a source file that clang-format
# would change fails the run before anything is built.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
else
  find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
fi

jobs=$(nproc)
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
# Runs ctest and keeps its closing count for the summary line at the end.
run_ctest() {
  ctest "$@" | tee -a "$summary"
  return "${PIPESTATUS[0]}"
}

# Every build here treats warnings as errors, so a new warning fails the run.
bash scripts/build.sh build -DFIGUREWHEEL_WERROR=ON
run_ctest --test-dir build --output-on-failure -j "$jobs"

# Each test sets its sanitizer options itself (fw_add_test in tests/CMakeLists.txt).
bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFIGUREWHEEL_SANITIZE=ON -DFIGUREWHEEL_WERROR=ON
# Tests labelled no-sanitize check packaging and the translation files, which
# the first run covers.
run_ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE no-sanitize

# Fuzzing: the number readings and a start on any settings file, each run by
# libFuzzer under AddressSanitizer and UBSan for a fixed time on a copy of its
# seed corpus (tests/fuzz/corpus); inputs that fail are kept in
# build-fuzz/tests/fuzz/artifacts. Only the fuzz targets are built, with clang.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFIGUREWHEEL_FUZZ=ON -DFIGUREWHEEL_TESTS=OFF -DFIGUREWHEEL_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_numbers fuzz_settings
run_ctest --test-dir build-fuzz/tests/fuzz --output-on-failure -j "$jobs"
grep -h 'executions in' build-fuzz/tests/fuzz/Testing/Temporary/LastTest.log || true

# One closing line for the three runs together.
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "suite: %d passed, %d failed\n", total - failed, failed }' "$summary"
