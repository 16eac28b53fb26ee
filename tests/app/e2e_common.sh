# Shared by the end-to-end scripts that drive the real kven3 on a virtual X
# display: sourced, never run. A script sets `tools` (the commands it needs)
# and then calls e2e_start_display and e2e_start_app.

e2e_work=$(mktemp -d)
e2e_xvfb_pid=""
e2e_wm_pid=""
e2e_app_pid=""
e2e_cleanup() {
  if [[ -n $e2e_app_pid ]]; then kill "$e2e_app_pid" 2>/dev/null || true; fi
  if [[ -n $e2e_wm_pid ]]; then kill "$e2e_wm_pid" 2>/dev/null || true; fi
  if [[ -n $e2e_xvfb_pid ]]; then kill "$e2e_xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# How long a wait for the program, the X server or the clipboard may take
# before the script gives up: generous, as the machine may be busy.
e2e_timeout=30

# e2e_poll SECONDS COMMAND...: runs COMMAND every 0.05 s until it succeeds;
# fails if it has not within SECONDS.
e2e_poll() {
  local deadline=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
  shift
  until "$@"; do
    ((${EPOCHREALTIME//[!0-9]/} < deadline)) || return 1
    sleep 0.05
  done
}

# e2e_wait_until SECONDS WHAT COMMAND...: polls COMMAND as e2e_poll does and
# fails the script, naming WHAT was awaited, if it never succeeded.
e2e_wait_until() {
  local seconds=$1 what=$2
  shift 2
  e2e_poll "$seconds" "$@" || fail "waited $seconds s in vain for $what"
}

# Exits 77 (skipped) unless every command named is installed.
e2e_need() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

# e2e_start_display WIDTHxHEIGHT: Xvfb picks a free display and writes its
# number to fd 3 once it is ready.
e2e_start_display() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$e2e_work/display" 2>"$e2e_work/xvfb.log" &
  e2e_xvfb_pid=$!
  e2e_wait_until "$e2e_timeout" "Xvfb to start" test -s "$e2e_work/display"
  export DISPLAY=":$(head -n1 "$e2e_work/display")"
  unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
}

# Succeeds once a window manager has taken the screen.
e2e_has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Runs openbox on the display, as a desktop would, and waits until it has
# taken the screen: keys then go to the window it gives the focus to, as
# from a real keyboard.
e2e_start_window_manager() {
  openbox --sm-disable >"$e2e_work/openbox.log" 2>&1 &
  e2e_wm_pid=$!
  e2e_wait_until "$e2e_timeout" "openbox to start" e2e_has_window_manager
}

# Succeeds while the X input focus is on window $1.
e2e_has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# e2e_focus WINDOW: gives WINDOW the focus and waits until it has it, so that
# keys sent next go to it.
e2e_focus() {
  xdotool windowfocus "$1"
  e2e_wait_until "$e2e_timeout" "the focus on window $1" e2e_has_focus "$1"
}

# Succeeds when no window of the program is shown but the main one: its menus
# have closed and, with them, their grabs of the pointer and keyboard.
e2e_menus_closed() {
  local shown
  shown=$(xdotool search --onlyvisible --pid "$e2e_app_pid" 2>/dev/null | grep -vx "$window" || true)
  [[ -z $shown ]]
}

# Waits until a menu chosen by its keys has closed: keys sent to the program
# are handled in order, but a click could otherwise land on the menu's grab.
e2e_wait_menus_closed() {
  e2e_wait_until "$e2e_timeout" "the program's menus to close" e2e_menus_closed
}

# e2e_start_app path/to/kven3: starts it and sets `window` to its main window,
# which then has the focus.
e2e_start_app() {
  "$1" >"$e2e_work/kven3.log" 2>&1 &
  e2e_app_pid=$!
  window=$(timeout "$e2e_timeout" xdotool search --sync --onlyvisible --name '^Gridlark$' | head -n1) ||
    fail "the window Gridlark did not appear"
  e2e_focus "$window"
}

# Succeeds once the program has ended, after answering its question about
# unsaved changes with Discard, once for each question shown.
e2e_answered=""
e2e_app_ended() {
  kill -0 "$e2e_app_pid" 2>/dev/null || return 0
  local question
  question=$(xdotool search --onlyvisible --name '^Unsaved Changes$' 2>/dev/null | head -n1) || true
  if [[ -n $question && $question != "$e2e_answered" ]]; then
    e2e_focus "$question"
    xdotool key alt+d
    e2e_answered=$question
  fi
  return 1
}

# Ends the program by File > Exit, discarding unsaved work when asked,
# and checks that it ended well.
e2e_exit_app() {
  e2e_focus "$window"
  xdotool key --delay 150 alt+f x
  e2e_wait_until "$e2e_timeout" "File > Exit to end the program" e2e_app_ended
  wait "$e2e_app_pid" || fail "kven3 exited with an error"
  e2e_app_pid=""
}

# Succeeds when the clipboard's text is exactly that of file $1 (both read
# with their final line ends dropped).
e2e_clipboard_holds() {
  local text
  text=$(xclip -o -selection clipboard 2>/dev/null) || return 1
  [[ $text == "$(<"$1")" ]]
}

# e2e_offer FILE: puts the file's text on the clipboard, as another program
# would, and waits until the clipboard gives it back: xclip may return
# before it owns the clipboard.
e2e_offer() {
  xclip -i -selection clipboard <"$1" 2>/dev/null
  e2e_wait_until "$e2e_timeout" "xclip to own the clipboard" e2e_clipboard_holds "$1"
}

# Puts text on the clipboard and chooses Edit > Paste. The program reads the
# clipboard while it handles the key, before any key sent after it.
e2e_paste() {
  printf '%b' "$1" >"$e2e_work/offered.txt"
  e2e_offer "$e2e_work/offered.txt"
  e2e_focus "$window"
  xdotool key ctrl+v
}

# Empties the clipboard of what was copied before, so that a fresh copy can
# be told from it. Never while a paste may still be reading the clipboard.
e2e_clear_clipboard() {
  printf 'nothing copied yet\n' >"$e2e_work/cleared.txt"
  e2e_offer "$e2e_work/cleared.txt"
}

# Succeeds when the clipboard holds a KVEN text.
e2e_clipboard_has_kven() { xclip -o -selection clipboard 2>/dev/null | head -n1 | grep -q '^KVEN'; }

# The KVEN text on the clipboard after Edit > Copy ("KVEN Text" chosen).
e2e_copied_text() {
  e2e_clear_clipboard
  xdotool key ctrl+c
  e2e_wait_until "$e2e_timeout" "a KVEN text on the clipboard after Ctrl+C" e2e_clipboard_has_kven
  xclip -o -selection clipboard
}

# Succeeds when the clipboard offers a PNG picture.
e2e_clipboard_has_png() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -qx 'image/png'; }

# e2e_copied_picture FILE: Edit > Copy ("Grid" chosen), the picture copied
# written to FILE. The clipboard must offer no picture before, which holds
# after a paste of a text.
e2e_copied_picture() {
  if e2e_clipboard_has_png; then fail "a picture was on the clipboard before Ctrl+C"; fi
  xdotool key ctrl+c
  e2e_wait_until "$e2e_timeout" "a picture on the clipboard after Ctrl+C" e2e_clipboard_has_png
  xclip -o -selection clipboard -t image/png >"$1" || fail "no picture on the clipboard"
}
