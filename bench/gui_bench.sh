#!/usr/bin/env bash
# Start-up, memory and idle wake-ups of the tray program against a bare Qt window, under Xvfb.
# Usage: bench/gui_bench.sh [BUILD_DIR]   (default build/release; build it first)
set -euo pipefail
build=${1:-build/release}
bin=$build/bin
runs=${RUNS:-7}
data=$(mktemp -d)
trap 'rm -rf "$data"; kill "$xvfb" 2>/dev/null || true' EXIT
cp -r "$bin/config.bin" "$bin/str.ini" "$data/"
[ -d "$bin/Skins" ] && cp -r "$bin/Skins" "$data/"

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_RUNTIME_DIR=$data/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

startup() { # program args...: milliseconds from exec to the window on screen, median of $runs
  for _ in $(seq "$runs"); do
    Q417_STARTUP_STAMP_MS=$(date +%s%3N) "$@" | awk '/^mapped_ms/ {print $2}'
  done | median
}

idle() { # program args...: resident KiB after 3 s, then context switches of all threads in 10 s
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  local rss switches_before switches_after
  rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  switches_before=$(cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}')
  sleep 10
  switches_after=$(cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}')
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$rss $((switches_after - switches_before))"
}

app=("$bin/Tarvell-Q417" --data-dir "$data" --simulate)
bare=("$bin/q417_bare_window")

app_ms=$(startup "${app[@]}")
bare_ms=$(startup "${bare[@]}")
read -r app_rss app_sw <<<"$(idle "${app[@]}")"
read -r bare_rss bare_sw <<<"$(idle "${bare[@]}")"

echo "start-up to mapped window: tray program ${app_ms} ms, bare window ${bare_ms} ms (target <= 1.5x)"
echo "resident memory after 3 s idle: tray program ${app_rss} KiB, bare window ${bare_rss} KiB (target <= 1.5x)"
echo "context switches in 10 s idle: tray program ${app_sw}, bare window ${bare_sw} (target 0)"
