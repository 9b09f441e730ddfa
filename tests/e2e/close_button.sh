#!/usr/bin/env bash
# Closing the main window from the window manager ends the program with exit code 0, both by the
# close button on the frame's title bar and by Alt+F4 (the window manager's close key). Both send
# the polite WM_DELETE_WINDOW request; each gets a fresh run of the program.
#
#   close_button.sh SETTINGS_EXE ARTIFACT_DIR
set -euo pipefail

EXE=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init e2e_close_button "$2"

# Waits until the window manager has framed (and maximized) the window, so the frame is where
# it will stay.
wait_framed() {
  local state extents
  for _ in $(seq 100); do
    state=$(xprop -id "$WID" _NET_WM_STATE 2>/dev/null || true)
    extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    if [[ $state == *_NET_WM_STATE_MAXIMIZED_HORZ* && $extents =~ ^[0-9]+,[0-9]+,[0-9]+,[0-9]+$ ]]; then
      IFS=, read -r _ frame_r frame_t _ <<<"$extents"
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "window manager did not frame and maximize the window (state: $state, frame: $extents)"
}

# --- close button on the title bar -----------------------------------------------------------
e2e_launch "$EXE"
e2e_wait_window
wait_framed
info=$(xwininfo -id "$WID")
win_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
win_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
win_w=$(sed -n 's/^ *Width: *//p' <<<"$info")
((frame_t > 4)) || e2e_fail "window has no title bar (top frame extent $frame_t px)"
# Openbox's stock layout puts the close button last on the title bar, about 10 px in from the
# frame's right edge, centred vertically.
button_x=$((win_x + win_w + frame_r - 10))
button_y=$((win_y - frame_t + frame_t / 2))
e2e_activate
xdotool mousemove --sync "$button_x" "$button_y" click 1
e2e_wait_exit 20 "a click on the title bar's close button at ($button_x,$button_y)"
((APP_RC == 0)) || e2e_fail "closing by the title bar's close button at ($button_x,$button_y) gave exit code $APP_RC, expected 0"
e2e_log "title bar close button ($button_x,$button_y) ended the program with exit code 0"

# --- Alt+F4 ----------------------------------------------------------------------------------
e2e_launch "$EXE"
e2e_wait_window
wait_framed
e2e_activate
# Typed through XTEST (no --window), so openbox's own key binding sees it and asks the window to close.
xdotool key alt+F4
e2e_wait_exit 20 "Alt+F4"
((APP_RC == 0)) || e2e_fail "closing with Alt+F4 gave exit code $APP_RC, expected 0"
e2e_log "Alt+F4 ended the program with exit code 0"
echo "$E2E_NAME: passed"
