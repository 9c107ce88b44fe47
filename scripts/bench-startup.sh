#!/usr/bin/env bash
# Start-up benchmark: how much the game costs from exec to the first complete
# paint of its main window, next to a bare Qt window (bench/bare_window.cpp).
#
# Builds the game and the bench programs into build-bench (RelWithDebInfo, no
# tests), starts one Xvfb, and runs both programs alternately under the
# first-paint hook (bench/firstpaint_hook.cpp): BENCH_RUNS plain runs each for
# wall time, CPU time and peak RSS (medians), one callgrind run each for
# instructions, and one idle run of the game (CPU time and paints over 10 s
# with the clock ticking). The game starts on the splash path: its settings
# say TimesPlayed=20, so the splash shows for 500 ms before the main window.
#
# The game also starts in each language of BENCH_LANGS (default German and
# Japanese), in the same runs, beside English: each row after "game" is the
# game under that LANG, compared with English.
#
# Environment: BENCH_RUNS (default 5), BENCH_CALLGRIND=0 to skip callgrind,
# BENCH_IDLE=0 to skip the idle run, BENCH_BUILD (default build-bench),
# BENCH_OUT (default $BENCH_BUILD/bench-results: logs and callgrind files).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${BENCH_RUNS:-5}
read -r -a langs <<<"${BENCH_LANGS:-de_DE.UTF-8 ja_JP.UTF-8}"
# game-de, game-ja...: the game's runs in each language
lang_name() { echo "game-${1%%_*}"; }
build=${BENCH_BUILD:-build-bench}
out=${BENCH_OUT:-$build/bench-results}
export LC_ALL=C

# --- what it needs -----------------------------------------------------------
bash scripts/setup.sh
if ! dpkg-query -W -f='${Status}' valgrind 2>/dev/null | grep -q 'install ok installed'; then
  echo "bench: installing valgrind"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends valgrind >/dev/null
fi

# --- build -------------------------------------------------------------------
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFIGUREWHEEL_TESTS=OFF -DFIGUREWHEEL_FUZZ=OFF -DFIGUREWHEEL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target figurewheel fw_bench_bare fw_bench_firstpaint
game=$root/$build/figurewheel
bare=$root/$build/bench/fw_bench_bare
hook=$root/$build/bench/libfwfirstpaint.so

# --- a private display, configuration and cache ------------------------------
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/*.log "$out"/*.cg "$out"/*.cg.*
source scripts/private-display.sh
mkdir -p "$tmp/config/Figurewheel" "$tmp/cache" "$tmp/runtime"
chmod 700 "$tmp/runtime"
start_private_display 1280x1024x24 "$out/xvfb.log"

# Each run starts from the same records file: TimesPlayed 20 means the splash.
fresh_settings() {
  printf '[Records]\nBestTime=999\nBestPlayer=Nobody\nTimesPlayed=20\n' \
    >"$tmp/config/Figurewheel/Figurewheel.conf"
}

# run NAME WINDOW LOG [extra VAR=value...] -- command...
# Starts the command in a clean environment with the hook preloaded; the
# clock starts in the shell that execs it.
run() {
  local name=$1 window=$2 log=$3
  shift 3
  local extra=()
  while [ "$1" != "--" ]; do extra+=("$1"); shift; done
  shift
  fresh_settings
  cd "$(dirname "$game")"
  env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime" \
    FW_BENCH_WINDOW="$window" FW_BENCH_LABEL="$name" FW_BENCH_OUT="$log" BENCH_PRELOAD="$hook" \
    "${extra[@]}" \
    timeout 300 bash -c 'export LD_PRELOAD=$BENCH_PRELOAD FW_BENCH_T0=$EPOCHREALTIME; exec "$@"' _ "$@" \
    >>"$out/$name.stdout.log" 2>&1 || { echo "bench: $name did not reach its first paint; see $out/$name.stdout.log" >&2; exit 1; }
  cd "$root"
}

# value KEY FILE: the values of KEY=... in the result lines of FILE, one a line
value() { grep -o "$1=[^ ]*" "$2" | cut -d= -f2; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "bench: display $display, $runs plain runs each, results in $out"

# One run of each first, not counted: fills the font cache and the page cache.
run game frmMain "$out/warmup.log" -- "$game"
run bare frmBare "$out/warmup.log" -- "$bare"

for lang in "${langs[@]}"; do
  run "$(lang_name "$lang")" frmMain "$out/warmup.log" LANG="$lang" -- "$game"
done

for i in $(seq "$runs"); do
  run game frmMain "$out/game.log" -- "$game"
  run bare frmBare "$out/bare.log" -- "$bare"
  for lang in "${langs[@]}"; do
    run "$(lang_name "$lang")" frmMain "$out/$(lang_name "$lang").log" LANG="$lang" -- "$game"
  done
done

instr() { # total instructions in the callgrind files OUT*
  local sum=0 n
  for f in "$1" "$1".*; do
    [ -f "$f" ] || continue
    n=$(awk '/^(summary|totals):/ { print $2; exit }' "$f")
    sum=$((sum + ${n:-0}))
  done
  echo "$sum"
}
game_ir=nan bare_ir=nan label_ir=nan
if [ "${BENCH_CALLGRIND:-1}" != 0 ]; then
  cg=(valgrind --tool=callgrind -q)
  run game frmMain "$out/game.callgrind.log" -- "${cg[@]}" --callgrind-out-file="$out/game.cg" "$game"
  run bare frmBare "$out/bare.callgrind.log" -- "${cg[@]}" --callgrind-out-file="$out/bare.cg" "$bare"
  # For reference: the bare window with one line of text.
  run label frmBare "$out/label.callgrind.log" -- "${cg[@]}" --callgrind-out-file="$out/label.cg" "$bare" --label
  game_ir=$(instr "$out/game.cg")
  bare_ir=$(instr "$out/bare.cg")
  label_ir=$(instr "$out/label.cg")
  for lang in "${langs[@]}"; do
    name=$(lang_name "$lang")
    run "$name" frmMain "$out/$name.callgrind.log" LANG="$lang" -- "${cg[@]}" --callgrind-out-file="$out/$name.cg" "$game"
  done
fi

# --- the table ---------------------------------------------------------------
{
  for p in game bare; do
    f=$out/$p.log
    if [ $p = game ]; then ir=$game_ir; else ir=$bare_ir; fi
    printf '%s %s %s %s %s %s\n' "$p" "$ir" \
      "$(value wall_ms "$f" | median)" "$(value cpu_ms "$f" | median)" \
      "$(value hwm_kib "$f" | median)" "$(value first_paint_ms "$f" | median)"
  done
} >"$out/summary.txt"

awk '
  { name[NR] = $1; ir[NR] = $2; wall[NR] = $3; cpu[NR] = $4; hwm[NR] = $5 / 1024; first[NR] = $6 }
  function mi(v) { return v == "nan" ? "n/a" : sprintf("%.1f M", v / 1e6) }
  function ratio(a, b) { return (a == "nan" || b == "nan" || b == 0) ? "n/a" : sprintf("%.2fx", a / b) }
  END {
    printf "\n%-10s %14s %14s %14s %16s %16s\n", "program", "instructions", "wall ms (med)", "CPU ms (med)", "peak RSS MiB", "1st window ms"
    printf "%-10s %14s %14.1f %14.1f %16.1f %16.1f\n", "game", mi(ir[1]), wall[1], cpu[1], hwm[1], first[1]
    printf "%-10s %14s %14.1f %14.1f %16.1f %16.1f\n", "bare", mi(ir[2]), wall[2], cpu[2], hwm[2], first[2]
    printf "%-10s %14s %14s %14s %16s\n", "game/bare", ratio(ir[1], ir[2]), ratio(wall[1], wall[2]), ratio(cpu[1], cpu[2]), ratio(hwm[1], hwm[2])
    if (label != "nan") printf "\nbare window with one line of text: %s instructions (%.2fx bare)\n", mi(label), label / ir[2]
    printf "\nThe game'"'"'s wall time includes the splash'"'"'s 500 ms; goal: instructions <= 4.0x, peak RSS <= 1.4x.\n"
  }' label="$label_ir" "$out/summary.txt"

# The game in other languages, beside English.
if [ ${#langs[@]} -gt 0 ]; then
  printf '\n%-10s %14s %14s %14s %16s\n' "language" "instructions" "wall ms (med)" "CPU ms (med)" "peak RSS MiB"
  for lang in "${langs[@]}"; do
    name=$(lang_name "$lang")
    ir=nan
    [ "$game_ir" = nan ] || ir=$(instr "$out/$name.cg")
    printf '%s %s %s %s %s\n' "$name" "$ir" "$(value wall_ms "$out/$name.log" | median)" \
      "$(value cpu_ms "$out/$name.log" | median)" "$(value hwm_kib "$out/$name.log" | median)"
  done | awk -v gir="$game_ir" -v gw="$(value wall_ms "$out/game.log" | median)" \
    -v gc="$(value cpu_ms "$out/game.log" | median)" '
    function mi(v) { return v == "nan" ? "n/a" : sprintf("%.1f M", v / 1e6) }
    function ratio(a, b) { return (a == "nan" || b == "nan" || b == 0) ? "n/a" : sprintf("%+.1f %%", (a / b - 1) * 100) }
    { printf "%-10s %14s %14.1f %14.1f %16.1f\n", $1, mi($2), $3, $4, $5 / 1024
      printf "%-10s %14s %14s %14s\n", "  vs game", ratio($2, gir), ratio($3, gw), ratio($4, gc) }
    END { printf "\nGoal: each language within 10 %% of English.\n" }'
fi

if [ "${BENCH_IDLE:-1}" != 0 ]; then
  run game frmMain "$out/idle.log" FW_BENCH_IDLE_MS=10000 FW_BENCH_SETTLE_MS=1000 -- "$game"
  echo
  echo "idle, main window up, 10 s: $(sed 's/^game //' "$out/idle.log")"
fi
if [ "$game_ir" != nan ]; then
  echo
  echo "profile: callgrind_annotate --inclusive=yes $out/game.cg.1 | head -60"
fi
