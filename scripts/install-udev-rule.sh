#!/usr/bin/env bash
# Installs the udev rule that gives the logged-in user access to the mouse
# receiver, when it is missing or outdated, and applies it to plugged devices.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
rule="$root/data/udev/70-talkvane-receiver.rules"
target="/etc/udev/rules.d/70-talkvane-receiver.rules"

if [[ -f "$target" ]] && cmp -s "$rule" "$target"; then
  exit 0
fi
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
echo "Installing $target (access to the mouse receiver without root)"
"${sudo_cmd[@]}" install -D -m 0644 "$rule" "$target"
if command -v udevadm >/dev/null; then
  "${sudo_cmd[@]}" udevadm control --reload-rules 2>/dev/null \
    && "${sudo_cmd[@]}" udevadm trigger --subsystem-match=hidraw 2>/dev/null \
    || echo "udev is not running here; the rule applies from the next start of udev."
fi
