#!/usr/bin/env bash
# own_display.sh <command> [args...]
# Runs one test on a virtual X server of its own, so that X11 tests can run
# side by side: key grabs, focus and the clipboard belong to one server.
# OWN_DISPLAY_XVFB_ARGS replaces the server's screen options, for example
# "-screen 0 1280x1024x24 -screen 1 1024x768x24 -extension RANDR" for two X
# screens (":N.0" and ":N.1"); one 1280x1024 screen when unset.
# Xvfb chooses a free display number itself (-displayfd), which avoids the
# race of picking numbers from lock files when many start at once.
set -u
number=$(mktemp)
log=$(mktemp)
read -r -a xvfb_args <<<"${OWN_DISPLAY_XVFB_ARGS:--screen 0 1280x1024x24}"
Xvfb -displayfd 3 "${xvfb_args[@]}" -nolisten tcp 3>"$number" 2>"$log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -f "$number" "$log"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# The number is written once the server accepts clients.
for _ in $(seq 1000); do
  [[ -s $number && $(tail -c1 "$number" | od -An -c) == *'\n'* ]] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "own_display.sh: Xvfb did not start:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.01
done
[[ -s $number ]] || { echo "own_display.sh: Xvfb gave no display within 10 s" >&2; exit 1; }

export DISPLAY=":$(head -n1 "$number")"
unset XAUTHORITY WAYLAND_DISPLAY
"$@"
