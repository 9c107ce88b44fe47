#!/usr/bin/env bash
# Runs a test program beside a PulseAudio server of its own: a sink that plays
# into nothing, a private socket the program finds through PULSE_SERVER, and
# private home and runtime folders, so no sound server of the machine is used.
set -euo pipefail
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; wait; rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
HOME=$work/home XDG_RUNTIME_DIR=$work/runtime pulseaudio -n --daemonize=no --exit-idle-time=-1 \
  --use-pid-file=no --log-target=file:"$work/pulseaudio.log" -L module-null-sink \
  -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" &
server=$!
export PULSE_SERVER=unix:$work/native
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null
"$@"
