#!/usr/bin/env bash
# The grid on a screen of two device pixels per pixel (QT_SCALE_FACTOR=2 on
# a virtual X display): the window keeps its size in pixels, a silver line
# between squares is exactly two device pixels of silver, and a typed letter
# is drawn at the screen's resolution in the letter colour on white alone,
# not a one-to-one drawing with every pixel doubled.
# Usage: e2e_hidpi.sh path/to/kven3 [screenshot.png]. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_hidpi.sh path/to/kven3 [screenshot.png]}
shot=${2:-}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb xdotool import convert

e2e_start_display 1280x1024
export QT_SCALE_FACTOR=2
e2e_start_app "$kven3"
xdotool key --delay 150 alt+n s
xdotool type --delay 80 w
# Entry > Hbar: the letter stays, the shade of the entry being typed goes.
xdotool key --delay 150 alt+n h

# "x,y: (r,g,b) #RRGGBB ..." for each pixel of a region WxH+X+Y, as "x y RRGGBB".
pixels() { convert "$e2e_work/shot.png" -crop "$1" +repage txt:- | awk 'NR > 1 { split($1, p, /[,:]/); print p[1], p[2], substr($3, 2, 6) }'; }
# Device pixels of cell (col, row): 2 x (2 + 26 col) from the control's corner, 50 wide.
cell_x() { echo $((ox + 2 * (2 + 26 * $1))); }
cell_y() { echo $((oy + 2 * (2 + 26 * $1))); }
# Takes a picture of the window and finds the grid in it: its black frame
# line is the first black from the left near the window's foot; it runs up
# to the grid's top. Both lie one pixel (two device pixels) inside the
# control. Succeeds once the letter of square (1, 1), in its box from
# (10, 9) to (23, 23), is drawn in black on white alone, as the keys above
# leave it; the checks below say what is wrong if it never is.
letter_drawn() {
  import -window "$window" "$e2e_work/shot.png" 2>/dev/null || return 1
  size=$(convert "$e2e_work/shot.png" -format '%wx%h' info:)
  [[ $size == 1160x976 ]] || return 1
  probe_y=$((976 - 60))
  left=$(pixels "300x1+0+$probe_y" | awk '$3 == "000000" { print $1; exit }')
  [[ -n $left ]] || return 1
  top=$(pixels "1x$((probe_y + 1))+$left+0" | awk -v end="$probe_y" '{ ink[$2] = $3 == "000000" }
    END { t = end; while (t > 0 && ink[t - 1]) t--; print t }')
  ox=$((left - 2))
  oy=$((top - 2))
  letter=$(pixels "26x28+$(($(cell_x 1) + 20))+$(($(cell_y 1) + 18))")
  colours=$(awk '{ print $3 }' <<<"$letter" | sort -u | tr '\n' ' ')
  [[ $colours == "000000 FFFFFF " ]]
}
size="" left="" letter="" colours=""
e2e_poll "$e2e_timeout" letter_drawn || true
if [[ -n $shot ]]; then cp "$e2e_work/shot.png" "$shot"; fi
[[ $size == 1160x976 ]] || fail "the window is $size device pixels, not twice 580 x 488"
[[ -n $left ]] || fail "no grid found on the window"

# Across row 3 from square 1 to square 12: white squares and the eleven
# silver lines between them, each two device pixels, nothing else.
x1=$(cell_x 1)
runs=$(pixels "$(($(cell_x 12) - x1))x1+$x1+$(($(cell_y 3) + 24))" | awk '
  $3 != "FFFFFF" && $3 != "C0C0C0" { print "colour", $3; exit }
  $3 == "C0C0C0" { run++ } $3 != "C0C0C0" && run { print run; run = 0 } END { if (run) print run }' | sort | uniq -c | tr -s ' ')
[[ $runs == " 11 2" ]] || fail "across the squares the silver runs are: $runs (count, width)"

[[ $colours == "000000 FFFFFF " ]] || fail "the letter's box holds the colours $colours"
# Two-by-two blocks on the one-to-one pixel grid that are not of one colour:
# none when a one-to-one drawing was enlarged.
split=$(awk '{ c[$1, $2] = $3 } END { n = 0
  for (y = 0; y < 28; y += 2) for (x = 0; x < 26; x += 2)
    if (c[x, y] != c[x + 1, y] || c[x, y] != c[x, y + 1] || c[x, y] != c[x + 1, y + 1]) n++
  print n }' <<<"$letter")
((split >= 4)) || fail "the letter is an enlarged one-to-one drawing ($split blocks of two colours)"

e2e_exit_app
echo "PASS: at twice the density the grid's lines are two device pixels of silver and a letter is drawn sharp"
