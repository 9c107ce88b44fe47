# Sourced by the scripts that show windows: a scratch folder $tmp and a
# private Xvfb display $display, both gone when the script exits.
# start_private_display SCREEN LOG, e.g. start_private_display 1024x768x24 /dev/null
tmp=$(mktemp -d)
xvfb_pid=
stop_private_display() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap stop_private_display EXIT
start_private_display() {
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$tmp/display" 2>"$2" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
  done
  [ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  display=:$(head -n1 "$tmp/display")
}
