#!/usr/bin/env bash
# The real window on a 1280 x 1024 X screen: opened centred at the designed
# width and the height that shows the 12 x 12 grid whole, it grows for a
# pasted 30 x 30 diagram to the size that shows that grid whole, and moves up
# just enough to stay wholly on the screen.
# Usage: e2e_screen.sh path/to/kven3 [screenshot.png]. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_screen.sh path/to/kven3 [screenshot.png]}
shot=${2:-}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb xdotool xclip

e2e_start_display 1280x1024
e2e_start_app "$kven3"
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# placed "X Y WIDTH HEIGHT": succeeds once the window has that geometry.
placed() { [[ $(geometry) == "$1" ]]; }
e2e_poll "$e2e_timeout" placed "349 267 580 488" ||
  fail "the window opened at $(geometry), not centred at 580 x 488"

e2e_paste 'KVEN 2 30 30\r\nBLK 1 Z\r\n'
# Waits until the window has grown and moved as it should; the checks below
# say what is wrong if it never does.
e2e_poll "$e2e_timeout" placed "349 68 850 956" || true
# 31 cells of 26 pixels and a 4-pixel frame, 40 beside, and below the menu
# bar and the controls above it; the top edge goes from 267 to 1024 - 956.
read -r x y width height <<<"$(geometry)"
[[ "$width $height" == "850 956" ]] || fail "the window is $width x $height, not 850 x 956"
((y + height <= 1024 && x + width <= 1280 && y >= 0)) || fail "the window at $x,$y $width x $height leaves the screen"
[[ "$x $y" == "349 68" ]] || fail "the window moved to $x,$y, not the least needed (349,68)"
if [[ -n $shot ]] && command -v import >/dev/null; then import -window root "$shot"; fi

e2e_exit_app
echo "PASS: grown for a 30 x 30 grid the window moved up to stay on the screen"
