#!/usr/bin/env bash
# Installs what is missing, builds Talkvane and starts it in the notification area.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/install-udev-rule.sh"
"$root/scripts/build.sh"
exec "${TALKVANE_BUILD_DIR:-$root/build}/app/talkvane" "$@"
