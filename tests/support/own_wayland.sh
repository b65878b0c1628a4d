#!/usr/bin/env bash
# own_wayland.sh <command> [args...]
# Runs one test inside a Wayland compositor of its own: weston's headless
# backend (no GPU, no seat), in a private XDG_RUNTIME_DIR, with no X display,
# which is what Talkvane meets in a Wayland session without XWayland.
set -u
runtime=$(mktemp -d)
chmod 0700 "$runtime"
socket=wayland-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --idle-time=0 --no-config --log="$runtime/weston.log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# Clients may connect as soon as the socket exists: the compositor accepts
# them once its loop runs.
for _ in $(seq 1000); do
  [[ -S $runtime/$socket ]] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "own_wayland.sh: weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
  fi
  sleep 0.01
done
[[ -S $runtime/$socket ]] || { echo "own_wayland.sh: weston gave no socket within 10 s" >&2; exit 1; }

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket XDG_SESSION_TYPE=wayland
unset DISPLAY XAUTHORITY
"$@"
