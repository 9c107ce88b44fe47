#!/usr/bin/env bash
# Runs a test program beside a real screen reader, as a blind player's
# desktop would: on the X server this runs under (xvfb-run) and in the D-Bus
# session it was given (dbus-run-session), a window manager and Orca, with
# Orca's speech written to its debug log (FW_ORCA_LOG) instead of a voice.
# Orca needs no speech server for that: it logs every utterance it would
# speak, and with no server it simply speaks to nobody. Orca writes its log
# in large blocks to a file but line by line to a terminal, so it runs on
# one (script) that copies each line to the log as it comes.
set -euo pipefail

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do pkill -P "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "${FW_KEEP_ORCA_LOG:-}" ]; then cp "$work/orca.log" "$FW_KEEP_ORCA_LOG" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Orca keeps its settings in the home folder: start from none.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

openbox >/dev/null 2>&1 &
pids+=($!)
script -qfec 'orca --replace --debug-file /dev/tty' "$work/orca.log" </dev/null >"$work/orca.out" 2>&1 &
pids+=($!)

# Orca says so in its log once it listens.
for _ in $(seq 1 ${FW_ORCA_WAIT:-600}); do
  grep -q 'ORCA: Startup complete' "$work/orca.log" 2>/dev/null && break
  if ! kill -0 "${pids[1]}" 2>/dev/null; then
    echo "with-orca: Orca stopped while starting:" >&2
    tail -n 20 "$work/orca.log" >&2
    exit 1
  fi
  sleep 0.1
done
if ! grep -q 'ORCA: Startup complete' "$work/orca.log" 2>/dev/null; then
  echo "with-orca: Orca did not start within a minute" >&2
  exit 1
fi

export FW_ORCA_LOG=$work/orca.log
"$@"
