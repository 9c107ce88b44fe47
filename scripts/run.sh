#!/usr/bin/env bash
# Sets up, builds and starts the game. Installs only what building and
# playing need and builds only the program, without the tests, in a folder of
# its own (build-game), apart from the test script's builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake -S . -B build-game -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIGUREWHEEL_TESTS=OFF >/dev/null
cmake --build build-game -j "$(nproc)" --target figurewheel
exec ./build-game/figurewheel "$@"
