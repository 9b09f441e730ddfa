#!/usr/bin/env bash
# The real program on a real X server with a real window manager: the main window comes up
# maximized, the board photograph sits where the centring rule puts it, and File > Exit typed on
# the keyboard ends the program with exit code 0.
#
#   main_window.sh SETTINGS_EXE BOARD_JPG ARTIFACT_DIR
set -euo pipefail

EXE=$1
BOARD=$2
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init e2e_main_window "$3"

PHOTO_W=600
PHOTO_H=549
TOLERANCE=6 # per channel: screen and reference are decoded by different libjpeg callers

[[ -r $BOARD ]] || e2e_fail "board photograph not found: $BOARD"
convert "$BOARD" -depth 8 "rgb:$E2E_WORK/board.rgb"

e2e_launch "$EXE"
e2e_wait_window
e2e_log "window $WID"

# --- 1. maximized ---------------------------------------------------------------------------
state=""
for _ in $(seq 100); do
  state=$(xprop -id "$WID" _NET_WM_STATE 2>/dev/null || true)
  [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] && break
  sleep 0.1
done
[[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* ]] || e2e_fail "window is not maximized vertically: $state"
[[ $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] || e2e_fail "window is not maximized horizontally: $state"

# --- 2. photograph placement ----------------------------------------------------------------
extents=""
for _ in $(seq 100); do
  extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [[ $extents =~ ^[0-9]+,[0-9]+,[0-9]+,[0-9]+$ ]] && break
  sleep 0.1
done
[[ $extents =~ ^[0-9]+,[0-9]+,[0-9]+,[0-9]+$ ]] || e2e_fail "window manager set no _NET_FRAME_EXTENTS"
IFS=, read -r frame_l frame_r frame_t frame_b <<<"$extents"

# Pixel (x, y) of a packed RGB dump $3 of width $4, as "r g b".
pixel() {
  od -An -tu1 -v -j $((($2 * $4 + $1) * 3)) -N3 "$3" | xargs
}

# Each channel of "r g b" $1 within TOLERANCE of $2.
close_enough() {
  local a b i d
  read -ra a <<<"$1"
  read -ra b <<<"$2"
  ((${#a[@]} == 3 && ${#b[@]} == 3)) || return 1
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    ((d < 0)) && d=$((-d))
    ((d <= TOLERANCE)) || return 1
  done
}

# One look at the screen. Fills ERRORS (empty when everything is where it should be).
check_photo() {
  ERRORS=()
  local shot=$E2E_WORK/shot.png raw=$E2E_WORK/shot.rgb
  if ! import -window root "$shot" || ! convert "$shot" -depth 8 "rgb:$raw"; then
    ERRORS+=("could not take a screenshot")
    return
  fi
  read -r screen_w screen_h < <(identify -format '%w %h\n' "$shot")

  local info
  if ! info=$(xwininfo -id "$WID" 2>&1); then
    ERRORS+=("xwininfo could not read window $WID: $info")
    return
  fi
  win_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  win_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  win_w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  win_h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  outer_w=$((win_w + frame_l + frame_r))
  outer_h=$((win_h + frame_t + frame_b))

  # The client area starts at the first pure white row below the menu bar.
  local probe_x=$((win_x + 5)) y
  client_top=""
  for ((y = win_y; y < win_y + 200 && y < screen_h; y++)); do
    if [[ $(pixel "$probe_x" "$y" "$raw" "$screen_w") == "255 255 255" ]]; then
      client_top=$y
      break
    fi
  done
  if [[ -z $client_top ]]; then
    ERRORS+=("no white client area below the window's top at x=$probe_x (rows $win_y..$((y - 1)))")
    return
  fi
  menu_h=$((client_top - win_y))
  ((menu_h > 0)) || ERRORS+=("no menu bar: the client area is white right from the window's top row")

  # Bash arithmetic truncates toward zero, as the rule asks.
  photo_x=$((win_x + (outer_w - PHOTO_W) / 2))
  photo_y=$((client_top + (outer_h - PHOTO_H) / 2))
  if ((photo_x < 1 || photo_y < 1 || photo_x + PHOTO_W > screen_w || photo_y + PHOTO_H > screen_h)); then
    ERRORS+=("expected photo rectangle ${PHOTO_W}x${PHOTO_H}+$photo_x+$photo_y is not on the ${screen_w}x${screen_h} screen")
    return
  fi

  # Corners inset by 10 px, the centre, and points between them (x y within the photo).
  local points=("10 10" "589 10" "10 538" "589 538" "300 274" "150 137" "450 411" "75 480" "525 60" "299 10")
  local p px py got want
  for p in "${points[@]}"; do
    read -r px py <<<"$p"
    got=$(pixel $((photo_x + px)) $((photo_y + py)) "$raw" "$screen_w")
    want=$(pixel "$px" "$py" "$E2E_WORK/board.rgb" "$PHOTO_W")
    close_enough "$got" "$want" ||
      ERRORS+=("photo pixel ($px,$py) at screen ($((photo_x + px)),$((photo_y + py))) is ($got), the JPEG has ($want)")
  done

  local left above
  left=$(pixel $((photo_x - 1)) $((photo_y + PHOTO_H / 2)) "$raw" "$screen_w")
  above=$(pixel $((photo_x + PHOTO_W / 2)) $((photo_y - 1)) "$raw" "$screen_w")
  [[ $left == "255 255 255" ]] || ERRORS+=("pixel just left of the photo ($((photo_x - 1)),$((photo_y + PHOTO_H / 2))) is ($left), not white")
  [[ $above == "255 255 255" ]] || ERRORS+=("pixel just above the photo ($((photo_x + PHOTO_W / 2)),$((photo_y - 1))) is ($above), not white")

  # The whole rectangle at once: catches a photo that is shifted, scaled or partly drawn even
  # where the sample points happen to agree. A 1 px shift differs in most pixels.
  convert "$shot" -crop "${PHOTO_W}x${PHOTO_H}+$photo_x+$photo_y" +repage "$E2E_WORK/crop.png"
  local differing limit=$((PHOTO_W * PHOTO_H / 200))
  differing=$(compare -metric AE -fuzz 3% "$E2E_WORK/crop.png" "$BOARD" null: 2>&1 | awk '{printf "%d", $1}' || true)
  [[ $differing =~ ^[0-9]+$ ]] || differing=$((PHOTO_W * PHOTO_H))
  ((differing <= limit)) ||
    ERRORS+=("$differing of $((PHOTO_W * PHOTO_H)) pixels in ${PHOTO_W}x${PHOTO_H}+$photo_x+$photo_y differ from the JPEG (at most $limit may)")
}

# The first frames may not be painted yet: look again for up to 10 s before calling it a failure.
deadline=$((SECONDS + 10))
attempt=0
while :; do
  attempt=$((attempt + 1))
  check_photo
  ((${#ERRORS[@]} == 0 || SECONDS >= deadline)) && break
  sleep 0.5
done
if ((${#ERRORS[@]})); then
  cp "$E2E_WORK/shot.png" "$E2E_ARTIFACTS/placement.png" 2>/dev/null || true
  cp "$E2E_WORK/crop.png" "$E2E_ARTIFACTS/placement-crop.png" 2>/dev/null || true
  printf '  %s\n' "${ERRORS[@]}" >&2
  e2e_fail "photograph not where the centring rule puts it (window ${win_w}x${win_h}+$win_x+$win_y," \
    "frame l=$frame_l r=$frame_r t=$frame_t b=$frame_b, menu bar ${menu_h:-?} px," \
    "expected photo at ${photo_x:-?},${photo_y:-?})"
fi
e2e_log "window ${win_w}x${win_h}+$win_x+$win_y, outer ${outer_w}x${outer_h}, menu bar $menu_h px," \
  "photo at $photo_x,$photo_y matches the JPEG (attempt $attempt)"

# --- 3. File > Exit from the keyboard ------------------------------------------------------
e2e_activate
xdotool key alt+f
# Wait for the File menu's popup before choosing from it; a key typed earlier goes to the window.
menu_open=0
for _ in $(seq 100); do
  if (($(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l) > 1)); then
    menu_open=1
    break
  fi
  sleep 0.1
done
((menu_open)) || e2e_fail "Alt+F did not open the File menu"
xdotool key e
e2e_wait_exit 20 "Alt+F, E (File > Exit)"
((APP_RC == 0)) || e2e_fail "File > Exit ended the program with exit code $APP_RC, expected 0"
e2e_log "File > Exit ended the program with exit code 0"
echo "$E2E_NAME: passed"
