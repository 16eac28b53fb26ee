#!/usr/bin/env bash
# The save dialogs of the real program on an X display: confirmed as they
# open, File > Save and both exports write the names they propose, spelt as
# given; a name the user types is saved exactly as typed.
# Usage: e2e_save_names.sh path/to/kven3. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
kven3=${1:?usage: e2e_save_names.sh path/to/kven3}
source "$(dirname "$0")/e2e_common.sh"
e2e_need Xvfb xdotool xclip

e2e_start_display 1280x1024
# The dialogs propose names in the home folder until something is saved.
export HOME=$e2e_work/home
mkdir -p "$HOME"
e2e_start_app "$kven3"

# e2e_save KEYS [NAME]: opens a save dialog by the menu keys, types NAME over
# the proposed name when given, and confirms.
e2e_save() {
  e2e_focus "$window"
  xdotool key --delay 150 $1
  local dialog
  dialog=$(timeout "$e2e_timeout" xdotool search --sync --onlyvisible --name '^Save As$' | head -n1) ||
    fail "no save dialog after $1"
  e2e_focus "$dialog"
  if [[ $# -gt 1 ]]; then
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
  fi
  xdotool key Return
  e2e_wait_until "$e2e_timeout" "the save dialog after $1 to close" save_dialog_closed
}
save_dialog_closed() { ! xdotool search --onlyvisible --name '^Save As$' >/dev/null 2>&1; }

saved() { (cd "$HOME" && ls -1 | tr '\n' ' '); }
# Waits for a file, as the program writes it once the dialog has closed.
appears() { e2e_poll "$e2e_timeout" test -f "$1"; }

e2e_save "alt+f s"  # "KVEN Text" is chosen at start
e2e_paste 'KVEN 2 5 5\r\nBLK 5 Z\r\nTTL Names\r\n'  # Paste chooses "Grid"
e2e_save "alt+f s"
e2e_save "alt+f i"
e2e_save "alt+f v"
appears "$HOME/Xword.svg" || true
[[ $(saved) == "Xword.bmp Xword.ipuz Xword.svg Xword.txt " ]] || fail "saved as: $(saved)"
[[ $(head -c 2 "$HOME/Xword.bmp") == BM ]] || fail "Xword.bmp holds no bitmap"

e2e_save "alt+f s" "Grid Of Mine.Pic"
appears "$HOME/Grid Of Mine.Pic" || fail "the typed name became: $(saved)"

e2e_exit_app
echo "PASS: the save dialogs proposed Xword.txt, Xword.bmp, Xword.ipuz and Xword.svg and kept a typed name"
