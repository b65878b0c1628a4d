#!/usr/bin/env bash
# Installs, for the current user only, the menu entry that starts Talkvane and
# its icon in the hicolor theme. Idempotent: files already up to date are left
# alone, and the desktop's caches are refreshed only after a change.
#   scripts/install-desktop-entry.sh [path/to/talkvane]   (default: the build's)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="${1:-${TALKVANE_BUILD_DIR:-$root/build}/app/talkvane}"
exe="$(realpath -m "$exe")"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
[[ "$data" == /* ]] || data="$HOME/.local/share"
icons="$root/resources/icons/app"
changed=0

# One Exec argument: quoted when it holds a reserved character, with the four
# characters that keep a meaning inside quotes escaped; then the string-value
# escaping of backslashes, and % doubled so it is not a field code.
exec_argument() {
  local s="$1" quoted
  if [[ "$s" =~ [[:space:]\"\'\\\>\<~\|\&\;\$\*\?\#\(\)\`] ]]; then
    quoted="${s//\\/\\\\}"
    quoted="${quoted//\"/\\\"}"
    quoted="${quoted//\`/\\\`}"
    quoted="${quoted//\$/\\\$}"
    quoted="\"$quoted\""
    quoted="${quoted//\\/\\\\}"
  else
    quoted="$s"
  fi
  printf '%s' "${quoted//%/%%}"
}

# Copies src to dest unless dest already holds the same bytes.
put() {
  local src="$1" dest="$2"
  if ! cmp -s "$src" "$dest"; then
    install -D -m 0644 "$src" "$dest"
    changed=1
  fi
}

entry="$(mktemp)"
trap 'rm -f "$entry"' EXIT
cat > "$entry" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Talkvane
GenericName=Voice Mouse
Comment=Speak into the voice mouse and type, translate or search
Exec=$(exec_argument "$exe")
Icon=talkvane
Terminal=false
Categories=Utility;
StartupWMClass=talkvane
DESKTOP

put "$entry" "$data/applications/talkvane.desktop"
for size in 48 64 128 256; do
  put "$icons/hicolor/$size/talkvane.png" "$data/icons/hicolor/${size}x${size}/apps/talkvane.png"
done
put "$icons/talkvane.svg" "$data/icons/hicolor/scalable/apps/talkvane.svg"

if [[ $changed -eq 1 ]]; then
  echo "Installed the Talkvane menu entry and icon under $data"
  # Menus and icon lookups pick the new files up sooner; not every desktop has these.
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$data/applications" 2>/dev/null || true
  fi
  if command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -f -t "$data/icons/hicolor" 2>/dev/null || true
  fi
fi
