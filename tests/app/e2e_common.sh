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
  for _ in $(seq 100); do
    [[ -s $e2e_work/display ]] && break
    sleep 0.1
  done
  [[ -s $e2e_work/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$e2e_work/display")"
  unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
}

# Runs openbox on the display, as a desktop would, and waits until it has
# taken the screen: keys then go to the window it gives the focus to, as
# from a real keyboard.
e2e_start_window_manager() {
  openbox --sm-disable >"$e2e_work/openbox.log" 2>&1 &
  e2e_wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# e2e_start_app path/to/kven3: starts it and sets `window` to its main window.
e2e_start_app() {
  "$1" >"$e2e_work/kven3.log" 2>&1 &
  e2e_app_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Gridlark$' | head -n1) ||
    fail "the window Gridlark did not appear"
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# Ends the program by File > Exit, discarding unsaved work when asked,
# and checks that it ended well.
e2e_exit_app() {
  xdotool windowfocus --sync "$window"
  xdotool key --delay 150 alt+f x
  local question
  for _ in $(seq 50); do
    kill -0 "$e2e_app_pid" 2>/dev/null || break
    if question=$(xdotool search --onlyvisible --name '^Unsaved Changes$' 2>/dev/null | head -n1) && [[ -n $question ]]; then
      xdotool windowfocus --sync "$question"
      xdotool key alt+d
    fi
    sleep 0.1
  done
  if kill -0 "$e2e_app_pid" 2>/dev/null; then fail "File > Exit did not end the program"; fi
  wait "$e2e_app_pid" || fail "kven3 exited with an error"
  e2e_app_pid=""
}

# Puts text on the clipboard and chooses Edit > Paste.
e2e_paste() {
  printf '%b' "$1" | xclip -i -selection clipboard 2>/dev/null
  sleep 0.3
  xdotool windowfocus --sync "$window"
  xdotool key ctrl+v
  sleep 0.5
}

# The KVEN text on the clipboard after Edit > Copy ("KVEN Text" chosen).
e2e_copied_text() {
  xdotool key ctrl+c
  sleep 0.4
  xclip -o -selection clipboard
}
