#!/usr/bin/env bash
# Start-up time and resident memory of kven3 against a bare Qt Widgets window
# (the targets are stated against it), then, for reference, against the least
# window with a menu bar and text; each pair is started alternately on a
# private Xvfb server with no window manager.
#
#   bench/app/run_startup_bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build-bench; build the targets kven3, minimal_window,
# menu_window and startup_bench there first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-bench}
runs=${2:-15}

client=$build/bench/app/startup_bench
program=$build/src/app/kven3
baseline=$build/bench/app/minimal_window
reference=$build/bench/app/menu_window
for f in "$client" "$program" "$baseline" "$reference"; do
  [[ -x $f ]] || { echo "missing $f: build startup_bench, kven3, minimal_window and menu_window" >&2; exit 1; }
done

command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

# Xvfb writes the display number it chose to this file once it is listening.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [[ -s $displayfile ]] && break
  sleep 0.1
done
display=$(head -n1 "$displayfile")
[[ -n $display ]] || { echo "Xvfb did not start" >&2; exit 1; }

# Both programs must come up on the X server, whatever the caller's platform.
unset QT_QPA_PLATFORM
export DISPLAY=:$display
echo "== kven3 against a bare window"
"$client" -n "$runs" "$program" "$baseline"
echo "targets: start-up ratio <= 1.30, RSS ratio <= 1.30"
echo
echo "== for reference: kven3 against a window with a menu bar and a text field"
"$client" -n "$runs" "$program" "$reference"
