#!/usr/bin/env bash
# Installs what is missing, builds Talkvane, adds it to the user's application
# menu and starts it in the notification area.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/install-udev-rule.sh"
"$root/scripts/build.sh"
# A menu entry is a convenience: Talkvane starts without one.
"$root/scripts/install-desktop-entry.sh" "${TALKVANE_BUILD_DIR:-$root/build}/app/talkvane" \
  || echo "Could not install the menu entry; starting Talkvane anyway." >&2
exec "${TALKVANE_BUILD_DIR:-$root/build}/app/talkvane" "$@"
