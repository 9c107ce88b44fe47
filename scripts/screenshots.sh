#!/usr/bin/env bash
# Screenshots of every window on a private Xvfb display, for comparing the
# look before and after a change: bash scripts/screenshots.sh BUILD OUTDIR
# (BUILD configured with -DFIGUREWHEEL_BENCH=ON). Compare two folders with
# `compare -metric AE a.png b.png null:` (imagemagick). SHOTS_LANG names the
# language to show them in (LANG=ja_JP.UTF-8 ...); by default they are English.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
shots=$(mkdir -p "${2:?output folder}" && cd "$2" && pwd)
cmake --build "$build" -j2 --target fw_bench_shots
driver=$PWD/$build/bench/fw_bench_shots
source scripts/private-display.sh
start_private_display 1024x768x24 /dev/null
mkdir -p "$tmp/config" "$tmp/runtime" && chmod 700 "$tmp/runtime"
for window in main splash tutorial about help hooray newrecord best; do
  (cd "$(dirname "$driver")/.." &&
    env -i PATH="$PATH" HOME="$HOME" LANG="${SHOTS_LANG:-C.UTF-8}" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
      XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
      "$driver" "$window" >"$tmp/$window.out" 2>&1) &
  pid=$!
  for _ in $(seq 100); do grep -q ready "$tmp/$window.out" 2>/dev/null && break; sleep 0.1; done
  sleep 0.3
  DISPLAY=$display import -window root "$shots/$window.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
echo "screenshots in $shots"
