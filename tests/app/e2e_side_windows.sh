#!/usr/bin/env bash
# The real window on a 1280 x 800 X screen with a window manager: a pasted
# clued puzzle opens the Clues panel beside the window, and the check window
# then opens on the other side, clear of both.
# Usage: e2e_side_windows.sh path/to/kven3 path/to/clued.ipuz. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_side_windows.sh path/to/kven3 path/to/clued.ipuz}
clued=${2:?usage: e2e_side_windows.sh path/to/kven3 path/to/clued.ipuz}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb openbox xprop xdotool xclip

e2e_start_display 1280x800
e2e_start_window_manager
e2e_start_app "$kven3"
# frame NAME: "X Y WIDTH HEIGHT" of the visible window of that name.
frame() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || return 1
  [[ -n $id ]] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}
shown() { frame "$1" >/dev/null; }
# apart A B: the two windows' rectangles do not meet.
apart() {
  local ax ay aw ah bx by bw bh
  read -r ax ay aw ah <<<"$(frame "$1")"
  read -r bx by bw bh <<<"$(frame "$2")"
  ((ax + aw <= bx || bx + bw <= ax || ay + ah <= by || by + bh <= ay))
}

e2e_offer "$clued"
e2e_focus "$window"
xdotool key ctrl+v
e2e_wait_until "$e2e_timeout" "the Clues panel" shown Clues
e2e_focus "$window"
xdotool key --delay 150 alt+n c
e2e_wait_until "$e2e_timeout" "the check window" shown "Check Diagram"
# Settled where it was put.
sleep 0.5
for pair in "Gridlark|Clues" "Gridlark|Check Diagram" "Clues|Check Diagram"; do
  apart "${pair%|*}" "${pair#*|}" ||
    fail "${pair%|*} at $(frame "${pair%|*}") and ${pair#*|} at $(frame "${pair#*|}") lie over each other"
done
echo "PASS: the Clues panel and the check window stand beside the window, clear of each other"
