#!/usr/bin/env bash
# Drives the real kven3 on a virtual X display the way a user would: menu
# access keys, clicks on squares, typed letters and Ctrl+C; then reads the
# clipboard and compares it with the KVEN text the diagram must give.
# Then it pastes a KVEN text, copies again (Paste chose "Grid") and compares
# the picture with the one kventool draws of the same text.
# Usage: e2e_xdotool.sh path/to/kven3 path/to/kventool.
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_xdotool.sh path/to/kven3 path/to/kventool}
kventool=${2:?usage: e2e_xdotool.sh path/to/kven3 path/to/kventool}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb xdotool xclip import convert
work=$e2e_work

e2e_start_display 1280x1024
e2e_start_app "$kven3"

# The grid's frame is the first black pixel from the left on a row near the
# window's foot, and its left line runs up to the grid's top.
# "x,y: (r,g,b) #RRGGBB ..." per pixel of a one-pixel strip.
black_coords() { convert "$work/shot.png" -crop "$1" +repage txt:- | awk '$3 ~ /^#000000/ {print $1}'; }
# Takes a picture of the window and finds the frame's left line in it:
# succeeds once the window has drawn its grid.
grid_shown() {
  import -window "$window" "$work/shot.png" 2>/dev/null || return 1
  height=$(convert "$work/shot.png" -format '%h' info:)
  probe_y=$((height - 30))
  left=$(black_coords "200x1+0+$probe_y" | head -n1 | cut -d, -f1)
  [[ -n $left ]]
}
e2e_wait_until "$e2e_timeout" "a grid drawn on the window" grid_shown
# The rows of the black run in column `left` that ends at probe_y.
top=$(black_coords "1x$((probe_y + 1))+$left+0" | cut -d, -f2 | tr -d : | sort -n |
  awk -v end="$probe_y" '{ y[NR] = $1 } END { t = end; for (i = NR; i >= 1 && y[i] == t; i--) t--; print t + 1 }')
# The black line lies one pixel inside the control; cells of 25 pixels and a
# line follow a 2-pixel border.
origin_x=$((left - 1))
origin_y=$((top - 1))
click_square() {
  xdotool mousemove --window "$window" $((origin_x + 2 + $1 * 26 + 12)) $((origin_y + 2 + $2 * 26 + 12)) click 1
}

# Entry > Block, three blocks of the top half (twofold adds their partners).
xdotool key --delay 150 alt+n b
e2e_wait_menus_closed
click_square 6 1
click_square 3 2
click_square 1 5
# Entry > Number > Auto.
xdotool key --delay 150 alt+n n Return
# Entry > Solution puts the cursor on the first square; type across.
xdotool key --delay 150 alt+n s
xdotool type --delay 80 kventest
# Edit > Copy by its shortcut, "KVEN Text" being selected.
e2e_copied_text >"$work/copied.txt" || fail "nothing on the clipboard"

{
  printf 'KVEN   2  12  12\r\n'
  printf 'BLK   6  15  49 Z\r\n'
  printf 'ANS\r\n'
  printf 'KVENT.EST...\r\n'
  for _ in $(seq 11); do printf '............\r\n'; done
} >"$work/expected.txt"

if ! cmp -s "$work/expected.txt" "$work/copied.txt"; then
  echo "expected:"; od -c "$work/expected.txt" | head -20
  echo "copied:"; od -c "$work/copied.txt" | head -20
  fail "the copied KVEN text differs"
fi

# A slip: File > New empties the grid; Ctrl+Z brings the diagram back
# whole, and Ctrl+C copies its text again.
xdotool key --delay 150 alt+f n
xdotool key ctrl+z
e2e_copied_text >"$work/undone.txt" || fail "nothing on the clipboard after Undo"
cmp -s "$work/expected.txt" "$work/undone.txt" || fail "Undo after New did not bring the diagram back"

# Edit > Paste of a KVEN text from another program, then Ctrl+C copies the
# grid picture, which must be the one kventool draws of that text.
printf 'Hi Jo,\r\nKVEN 4 6 6\r\nHBR 1 9 Z\r\nVBR 3 Z\r\nTTL Pasted\r\nANS\r\nABCDEF\r\n' >"$work/pasted.txt"
e2e_offer "$work/pasted.txt"
e2e_focus "$window"
xdotool key ctrl+v
e2e_copied_picture "$work/copied.png"
QT_QPA_PLATFORM=offscreen "$kventool" picture "$work/pasted.txt" -o "$work/expected.png" 2>/dev/null ||
  fail "kventool could not draw the pasted text"
[[ $(convert "$work/copied.png" -format '%wx%h' info:) == "200x232" ]] || fail "the copied picture is not 200 x 232"
differing=$(compare -metric AE "$work/expected.png" "$work/copied.png" null: 2>&1 || true)
[[ $differing == 0 ]] || fail "the copied picture differs from kventool's in $differing pixels"

# File > Exit ends the program.
e2e_exit_app
echo "PASS: built, numbered, typed and copied a twofold block diagram; undid a New; pasted a text and copied its picture"
