#!/usr/bin/env bash
# The Debian package from this build tree: its control fields, its menu entry
# and metainfo, and the installed program, started from an unpacked root
# through /usr/bin/talkvane, keeping its files under the user's data folder
# and writing nothing into its program folder.
#   test_package.sh <build dir>
set -euo pipefail
build="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/talkvane-package.XXXXXX")"
pid=""
cleanup() {
  if [[ -n "$pid" ]]; then kill -KILL "$pid" 2>/dev/null || true; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Quiet unless it fails: cpack's output is long.
(cd "$build" && cpack --config CPackConfig.cmake -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/out/talkvane_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "expected one package, got: ${debs[*]}"
deb="${debs[0]}"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt5core5a libqt5widgets5 libqt5webenginewidgets5 libqt5sql5-sqlite libhidapi-hidraw0; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib"
done
[[ "$(dpkg-deb -f "$deb" Package)" == talkvane ]] || fail "package name"

# The post-install script applies the udev rule, and carries on when udev
# is not running (here a udevadm that always fails).
mkdir -p "$work/control" "$work/fakebin"
dpkg-deb -e "$deb" "$work/control"
printf '#!/bin/sh\necho "$*" >>"%s"\nexit 1\n' "$work/udevadm.calls" >"$work/fakebin/udevadm"
chmod 755 "$work/fakebin/udevadm"
PATH="$work/fakebin:$PATH" "$work/control/postinst" configure || fail "postinst failed without udev"
grep -qx "control --reload-rules" "$work/udevadm.calls" || fail "postinst did not reload udev"
grep -q "^trigger .*hidraw" "$work/udevadm.calls" || fail "postinst did not trigger the receiver"

root="$work/root"
dpkg -x "$deb" "$root"
app="$root/usr/lib/talkvane"
for f in talkvane talkvane-diag libsonabridge.so libtalkvane_webpages.so device/PX08defaultkey.json; do
  [[ -f "$app/$f" ]] || fail "missing /usr/lib/talkvane/$f"
done
[[ "$(readlink -f "$root/usr/bin/talkvane")" == "$app/talkvane" ]] || fail "/usr/bin/talkvane link"
[[ -f "$root/usr/lib/udev/rules.d/70-talkvane-receiver.rules" ]] || fail "udev rule"
[[ -f "$root/usr/share/doc/talkvane/copyright" ]] || fail "copyright"
grep -q "Apache License" "$root/usr/share/doc/talkvane/copyright" || fail "font licence missing"
for size in 16x16 32x32 48x48 256x256 scalable; do
  ls "$root/usr/share/icons/hicolor/$size/apps/talkvane."* >/dev/null || fail "icon $size"
done
desktop-file-validate "$root/usr/share/applications/io.talkvane.Talkvane.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.talkvane.Talkvane.metainfo.xml"

# As installed: nobody may write the program folder. Root still could, which
# the first run relies on, so Talkvane has to see that from the bits alone;
# the second run drops the privilege that lets root write anyway.
chmod -R a-w "$app"
chmod 755 "$work"
manifest() { (cd "$app" && find . -printf '%p %s %T@\n' | sort); }
before="$(manifest)"
home="$work/home"
mkdir -p "$home" "$work/tmp"
data="$home/.local/share/talkvane"

# Starts the installed talkvane, waits for a line in its output and stops it
# with SIGTERM, as a session's end does. Extra arguments go before the program.
run_app() {
  local err="$work/stderr.$1" line="$2"; shift 2
  env -i PATH=/usr/bin:/bin HOME="$home" TMPDIR="$work/tmp" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 LIBGL_ALWAYS_SOFTWARE=1 \
    QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
    "$@" "$root/usr/bin/talkvane" 2>"$err" &
  pid=$!
  local ready=0
  for _ in $(seq 600); do
    if grep -qsF "$line" "$err" "$data/Log.txt"; then ready=1; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ $ready -ne 1 ]]; then cat "$err" >&2; fail "talkvane did not start"; fi
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [[ $status -eq $((128 + 15)) ]] || { cat "$err" >&2; fail "talkvane ended with status $status, not by SIGTERM"; }
}

# The web-pages module is found beside the executable behind the link.
run_app first "web pages ready in"
grep -q "files in $data (installed mode" "$work/stderr.first" || { cat "$work/stderr.first" >&2; fail "not in installed mode"; }
[[ -d "$data/Dump" && -z "$(ls -A "$data/Dump")" ]] || fail "no empty crash report folder in $data"
for f in option.ini device/main.flag; do
  [[ -f "$data/$f" ]] || fail "first run did not write $data/$f"
done
[[ ! -e "$data/Log.txt" ]] || fail "log written while logging to a file is off"

# The log switch is read from the data folder too.
grep -qx '\[General\]' "$data/option.ini" || fail "option.ini has no [General] section"
sed -i 's/^\[General\]$/&\nisLog=1/' "$data/option.ini"
drop=()
if [[ $(id -u) -eq 0 ]]; then
  if setpriv --inh-caps=-all --bounding-set=-all true 2>/dev/null; then
    drop=(setpriv --inh-caps=-all --bounding-set=-all)
  else
    echo "cannot drop root's capabilities here; the second run keeps them"
  fi
fi
run_app second "curl global init" "${drop[@]}"
grep -q "files in $data (installed mode" "$data/Log.txt" || fail "second run logged nowhere: $(cat "$work/stderr.second")"
grep -q "非首次运行" "$data/Log.txt" || fail "second run did not find the first-run marker"

[[ "$before" == "$(manifest)" ]] || { diff <(echo "$before") <(manifest) >&2 || true; fail "the program folder changed"; }
echo "ok"
