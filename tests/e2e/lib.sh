# shellcheck shell=bash
# Shared by the end-to-end scripts: a private X display, the program under test, and failure
# reports that leave a screenshot behind.
#
#   source lib.sh
#   e2e_init NAME ARTIFACT_DIR     # private display + cleanup trap
#   e2e_launch EXE                 # APP_PID
#   e2e_wait_window                # WID of the window titled exactly "Setup"
#   e2e_wait_exit SECONDS WHAT     # APP_RC
#   e2e_fail MESSAGE...            # screenshot + logs into ARTIFACT_DIR, exit 1

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tools/xvfb-session.sh
source "$E2E_DIR/../../tools/xvfb-session.sh"

E2E_NAME=""
E2E_WORK=""
E2E_ARTIFACTS=""
E2E_FAILED=0
APP_PID=""
APP_RC=""
WID=""

e2e_log() { echo "$E2E_NAME: $*"; }

e2e_cleanup() {
  if [[ -n $APP_PID ]] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
  fi
  xvfb_session_stop
  if ((E2E_FAILED)) && [[ -n $E2E_WORK ]]; then
    cp "$E2E_WORK"/*.log "$E2E_ARTIFACTS"/ 2>/dev/null || true
  fi
  [[ -n $E2E_WORK ]] && rm -rf "$E2E_WORK"
  return 0
}

e2e_init() {
  E2E_NAME=$1
  E2E_ARTIFACTS=$2
  rm -rf "$E2E_ARTIFACTS"
  mkdir -p "$E2E_ARTIFACTS"
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/$E2E_NAME.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM
  for tool in Xvfb openbox xdotool xprop xwininfo xdpyinfo import convert compare od; do
    command -v "$tool" >/dev/null || e2e_fail "required tool '$tool' is not installed (bash tools/deps.sh installs it)"
  done
  xvfb_session_start 1280x1024x24 "$E2E_WORK" || e2e_fail "could not start Xvfb + openbox"
  e2e_log "display $DISPLAY"
}

# Everything a failure needs for a post-mortem: what went wrong, what the screen showed.
e2e_fail() {
  E2E_FAILED=1
  echo "FAIL: $E2E_NAME: $*" >&2
  if [[ -n ${DISPLAY:-} && -n $XVFB_SESSION_PID ]]; then
    local shot
    shot=$E2E_ARTIFACTS/failure-$(date +%H%M%S)-$$.png
    if timeout 20 import -window root "$shot" 2>/dev/null; then
      echo "  screen at failure: $shot" >&2
    fi
  fi
  if [[ -n $E2E_WORK && -s $E2E_WORK/app.log ]]; then
    echo "  program output:" >&2
    sed 's/^/    /' "$E2E_WORK/app.log" | tail -n 40 >&2
  fi
  echo "  logs and screenshots: $E2E_ARTIFACTS" >&2
  exit 1
}

e2e_launch() {
  [[ -x $1 ]] || e2e_fail "program not found or not executable: $1"
  APP_RC=""
  "$1" >"$E2E_WORK/app.log" 2>&1 &
  APP_PID=$!
}

e2e_app_running() { kill -0 "$APP_PID" 2>/dev/null; }

e2e_wait_window() {
  WID=$(timeout 20 xdotool search --sync --name '^Setup$' 2>/dev/null | head -n 1)
  if [[ -z $WID ]]; then
    e2e_app_running || { wait "$APP_PID" && APP_RC=0 || APP_RC=$?; }
    e2e_fail "no window titled exactly \"Setup\" appeared within 20 s${APP_RC:+ (program already ended with code $APP_RC)}"
  fi
}

# Waits up to $1 seconds (default 20) for the program to end after $2 (what was done to end it);
# APP_RC gets its exit code.
e2e_wait_exit() {
  local tries=$((${1:-20} * 10))
  while e2e_app_running && ((tries-- > 0)); do
    sleep 0.1
  done
  if e2e_app_running; then
    e2e_fail "program still running ${1:-20} s after ${2:-it was asked to end}"
  fi
  APP_RC=0
  wait "$APP_PID" || APP_RC=$?
  APP_PID=""
}

# Brings the window to the front and gives it the keyboard, so that XTEST key presses reach it.
e2e_activate() {
  timeout 10 xdotool windowactivate --sync "$WID" >/dev/null 2>&1 ||
    e2e_fail "could not activate window $WID"
}
