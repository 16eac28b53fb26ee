#!/usr/bin/env bash
# Ctrl chords from a real keyboard, under a window manager: keys sent through
# XTEST reach whichever window has the focus, as a keyboard's do, and a quick
# chord may let Ctrl go before the letter. Ctrl+B and Shift+Ctrl+B change the
# bar thickness in every mode, whichever key is let go first; no Ctrl chord
# ever enters a letter, while plain typing still does. The copied picture,
# which shows the thickness and the letters, must be the one kventool draws
# of the same puzzle at the thickness expected.
# Usage: e2e_ctrl_keys.sh path/to/kven3 path/to/kventool.
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_ctrl_keys.sh path/to/kven3 path/to/kventool}
kventool=${2:?usage: e2e_ctrl_keys.sh path/to/kven3 path/to/kventool}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb openbox xprop xdotool xclip compare
work=$e2e_work

e2e_start_display 1280x1024
e2e_start_window_manager
e2e_start_app "$kven3"
xdotool windowactivate --sync "$window"
e2e_wait_until "$e2e_timeout" "the focus on the activated window" e2e_has_focus "$window"

# Pasting chooses "Grid", so Ctrl+C then copies the picture.
e2e_paste 'KVEN 0 6 6\r\nHBR 1 9 Z\r\nVBR 3 Z\r\n'

# Hbar mode, the start-up mode: a quick chord thickens the bars to 3.
xdotool key ctrl+b
# Entry > Solution, then chords of every kind: Ctrl let go last (4), Ctrl
# let go before the letter (5), xdotool's own quick chord (6), and a
# thinner one with Shift (5). Ctrl+K and Ctrl+J, let go both ways, enter
# nothing and change nothing.
xdotool key --delay 150 alt+n s
xdotool keydown ctrl keydown b keyup b keyup ctrl
xdotool keydown ctrl keydown b keyup ctrl keyup b
xdotool key ctrl+b
xdotool key shift+ctrl+b
xdotool keydown ctrl keydown k keyup ctrl keyup k
xdotool key ctrl+j
# Plain letters are still entered.
xdotool type --delay 80 ab
e2e_copied_picture "$work/copied.png"

printf 'KVEN 0 6 6\r\nHBR 1 9 Z\r\nVBR 3 Z\r\nANS\r\nAB....\r\n......\r\n......\r\n......\r\n......\r\n......\r\n' \
  >"$work/expected.txt"
QT_QPA_PLATFORM=offscreen "$kventool" picture "$work/expected.txt" --bar-width 5 -o "$work/expected.png" \
  2>/dev/null || fail "kventool could not draw the expected puzzle"
differing=$(compare -metric AE "$work/expected.png" "$work/copied.png" null: 2>&1 || true)
[[ $differing == 0 ]] || fail "the copied picture differs in $differing pixels from the bars 5 pixels thick and the letters AB"

e2e_exit_app
echo "PASS: Ctrl chords changed the bar thickness in Hbar and Solution mode, entered no letter, and typing still did"
