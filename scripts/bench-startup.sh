#!/usr/bin/env bash
# Start-up benchmark (not a test): time from exec to the icon shown in the
# notification area, for Talkvane and, for comparison, Debian's copyq.
#
#   scripts/bench-startup.sh [--runs N] [--app DIR] [--no-build]
#
# Installs what it needs (scripts/install-deps.sh --bench: Xvfb, trayer,
# copyq), builds with scripts/build.sh unless --no-build, then starts its own
# Xvfb (a free display number chosen by the server) with trayer as the tray
# host. The two programs run alternately, one warm-up run each (not counted)
# and N counted runs each (default 10). Every run gets a fresh directory with
# a copy of the executable and its web-pages module alone (Talkvane keeps its settings beside it), and
# a fresh HOME, XDG dirs and TMPDIR, so both programs start as on first use,
# no run sees files of another, and the single-instance guard (a local socket
# in TMPDIR) never meets a leftover or another developer's Talkvane.
# --app DIR times the talkvane in DIR instead of the build's (to compare two
# builds). The build is the one scripts/build.sh makes (build/, or
# TALKVANE_BUILD_DIR); the timer is built with it.
#
# The clock is build/tools/tray-dock-timer: from fork/exec to the program's
# window reparented into the tray and viewable, event driven. Wall-clock
# figures depend on the machine's load (the script prints the load average
# before and after); the CPU time each program had used by then depends much
# less on it, and is printed too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TALKVANE_BUILD_DIR:-$root/build}"
runs=10
app_dir=""
do_build=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --app) app_dir="$(cd "$2" && pwd)"; shift 2 ;;
    --no-build) do_build=0; shift ;;
    *) echo "usage: $0 [--runs N] [--app DIR] [--no-build]" >&2; exit 2 ;;
  esac
done

"$root/scripts/install-deps.sh" --bench
if [[ $do_build -eq 1 ]]; then
  "$root/scripts/build.sh" >/dev/null
fi
timer="$build/tools/tray-dock-timer"
app_dir="${app_dir:-$build/app}"
for f in "$timer" "$app_dir/talkvane"; do
  [[ -x "$f" ]] || { echo "bench-startup: $f missing (build first, or drop --no-build)" >&2; exit 1; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/talkvane-bench.XXXXXX")"
xvfb_pid=""
tray_pid=""
cleanup() {
  [[ -n "$tray_pid" ]] && kill "$tray_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and tells us which: no clash with xvfb-run or
# another benchmark.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 200); do
  display="$(head -n1 "$work/display" 2>/dev/null || true)"
  [[ -n "$display" ]] && break
  sleep 0.05
done
[[ -n "$display" ]] || { echo "bench-startup: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"

trayer --edge top --align right --widthtype request --height 32 --expand true \
  >"$work/trayer.log" 2>&1 &
tray_pid=$!
for _ in $(seq 200); do
  "$timer" --check-tray 2>/dev/null && break
  sleep 0.05
done
"$timer" --check-tray || {
  echo "bench-startup: trayer did not take the tray on $DISPLAY" >&2
  cat "$work/trayer.log" >&2
  exit 1
}

# Processes of a run that outlived the timer's kill of its process group (a
# program could have left it): found by the HOME that only that run had.
kill_leftovers() {
  local home="$1" p
  for p in /proc/[0-9]*; do
    if { tr '\0' '\n' <"$p/environ"; } 2>/dev/null | grep -qxF "HOME=$home"; then
      echo "bench-startup: killing leftover ${p#/proc/} of the last run" >&2
      kill -KILL "${p#/proc/}" 2>/dev/null || true
    fi
  done
}

# One run of one program in a clean environment; prints wall and CPU ms.
run_once() {
  local which="$1" n="$2"
  local dir="$work/$which-$n"
  mkdir -p "$dir/home" "$dir/config" "$dir/data" "$dir/cache" "$dir/tmp" "$dir/run"
  chmod 700 "$dir/run"
  local cmd
  if [[ "$which" == talkvane ]]; then
    # The executable and its web-pages module alone: settings, markers and
    # logs a developer left in build/app must not turn a first start into a
    # later one.
    mkdir -p "$dir/app"
    cp "$app_dir/talkvane" "$dir/app/talkvane"
    if [[ -f "$app_dir/libtalkvane_webpages.so" ]]; then
      cp "$app_dir/libtalkvane_webpages.so" "$dir/app/"
    fi
    cmd=("$dir/app/talkvane")
  else
    cmd=(copyq)
  fi
  # No session bus: both programs use the X11 (XEmbed) tray protocol.
  env -i PATH="/usr/bin:/bin" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" \
    XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$dir/run" TMPDIR="$dir/tmp" \
    "$timer" --timeout-ms 15000 -- "${cmd[@]}" 2>>"$work/$which.err"
  local status=$?
  kill_leftovers "$dir/home"
  rm -rf "$dir"
  return $status
}

stats() {  # name, then the figures: min median max
  local name="$1"; shift
  printf '%s\n' "$@" | sort -g | awk -v name="$name" '
    { v[NR] = $1 }
    END {
      med = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%-9s %4d %9.1f %9.1f %9.1f\n", name, NR, v[1], med, v[NR]
    }'
}

median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "talkvane: $app_dir/talkvane"
echo "copyq:    $(command -v copyq) ($(dpkg-query -W -f='${Version}' copyq))"
echo "display $DISPLAY, tray host trayer; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

run_once talkvane warmup >/dev/null || true
run_once copyq warmup >/dev/null || true
tv=(); cq=(); tv_cpu=(); cq_cpu=()
for i in $(seq "$runs"); do
  t=$(run_once talkvane "$i") || { echo "bench-startup: talkvane run $i failed:" >&2; tail -5 "$work/talkvane.err" >&2; exit 1; }
  c=$(run_once copyq "$i") || { echo "bench-startup: copyq run $i failed:" >&2; tail -5 "$work/copyq.err" >&2; exit 1; }
  read -r t_wall t_cpu <<<"$t"
  read -r c_wall c_cpu <<<"$c"
  tv+=("$t_wall"); tv_cpu+=("$t_cpu")
  cq+=("$c_wall"); cq_cpu+=("$c_cpu")
  printf 'run %2d: talkvane %7.1f ms (cpu %6.1f)   copyq %7.1f ms (cpu %6.1f)\n' \
    "$i" "$t_wall" "$t_cpu" "$c_wall" "$c_cpu"
done

echo
echo "exec -> icon in the tray, wall clock, ms"
printf '%-9s %4s %9s %9s %9s\n' program runs min median max
stats talkvane "${tv[@]}"
stats copyq "${cq[@]}"
awk -v a="$(median "${tv[@]}")" -v b="$(median "${cq[@]}")" \
  'BEGIN { printf "ratio of medians talkvane/copyq: %.2f\n", a / b }'
echo
echo "CPU time used by then (live threads of the process), ms"
printf '%-9s %4s %9s %9s %9s\n' program runs min median max
stats talkvane "${tv_cpu[@]}"
stats copyq "${cq_cpu[@]}"
awk -v a="$(median "${tv_cpu[@]}")" -v b="$(median "${cq_cpu[@]}")" \
  'BEGIN { printf "ratio of medians talkvane/copyq: %.2f\n", a / b }'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
