#!/usr/bin/env bash
# Held keys on a real X display: in Solution mode a letter key held down and
# let go enters one letter however long it was held, whatever the server's
# auto-repeat sends meanwhile; quick typing still enters every letter,
# doubled ones included.
# Usage: e2e_keys.sh path/to/kven3. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_keys.sh path/to/kven3}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb xdotool xclip

e2e_start_display 1280x1024
e2e_start_app "$kven3"
# Entry > Solution puts the cursor on the first square, pointing across.
xdotool key --delay 150 alt+n s

# Ten holds, each of its own letter, from well under the server's repeat
# delay to far beyond it. These sleeps are the input itself, not waits: how
# long each key stays down, and the pause before the next one.
letters=(a b c d e f g h i j)
holds=(0.3 0.45 0.6 0.75 0.9 1.0 1.1 1.2 1.35 1.5)
for i in "${!letters[@]}"; do
  xdotool keydown "${letters[$i]}"
  sleep "${holds[$i]}"
  xdotool keyup "${letters[$i]}"
  sleep 0.2
done
xdotool type --delay 30 bookkeeper

answer=$(e2e_copied_text | tr -d '\r' | sed -n '/^ANS$/,$p' | sed -n 2,3p | tr -d '\n')
expected="ABCDEFGHIJBOOKKEEPER...."
[[ $answer == "$expected" ]] || fail "the first two rows hold $answer, not $expected"

e2e_exit_app
echo "PASS: ten held keys entered one letter each; a quickly typed word entered every letter"
