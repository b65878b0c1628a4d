#!/usr/bin/env bash
# The user's menu entry and icons: a valid entry whose Exec names the given
# executable (a path with a space), every icon size, and nothing rewritten by
# a second run.
set -euo pipefail
script="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/data"
exe="$tmp/My Apps/talkvane"

"$script" "$exe" > /dev/null
entry="$XDG_DATA_HOME/applications/talkvane.desktop"
desktop-file-validate "$entry"
grep -qxF "Exec=\"$exe\"" "$entry" || { echo "wrong Exec in:"; cat "$entry"; exit 1; }
grep -qxF "Icon=talkvane" "$entry"
for icon in 48x48 64x64 128x128 256x256; do
  test -s "$XDG_DATA_HOME/icons/hicolor/$icon/apps/talkvane.png"
done
test -s "$XDG_DATA_HOME/icons/hicolor/scalable/apps/talkvane.svg"

before="$(find "$XDG_DATA_HOME" -type f -name 'talkvane.*' -printf '%p %i %T@\n' | sort)"
out="$("$script" "$exe")"
after="$(find "$XDG_DATA_HOME" -type f -name 'talkvane.*' -printf '%p %i %T@\n' | sort)"
[[ -z "$out" && "$before" == "$after" ]] || { echo "second run changed files: $out"; exit 1; }
echo "ok"
