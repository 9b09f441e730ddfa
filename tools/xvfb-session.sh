# shellcheck shell=bash
# Sourced helper: a private virtual X display (Xvfb) with openbox as window manager.
#
#   source tools/xvfb-session.sh
#   xvfb_session_start [WxHxD] [logdir]   # exports DISPLAY; sets XVFB_SESSION_DISPLAY, XVFB_SESSION_PID, XVFB_SESSION_WM_PID
#   ...
#   xvfb_session_stop                     # stops only the two processes started above
#
# Call both in the shell that sources this file (not in a $(...) subshell): the PIDs live in its
# variables and the processes are its children. Without an XDG_RUNTIME_DIR, a private one is made
# for the session so that Qt programs run on it do not complain.
#
# Each call picks its own display number, so several sessions (parallel ctest runs, another
# developer's session) can coexist. A number is only taken once the lock file of the new display
# names our own Xvfb, which makes a race between two starters on the same number harmless.

XVFB_SESSION_DISPLAY=""
XVFB_SESSION_PID=""
XVFB_SESSION_WM_PID=""
XVFB_SESSION_RUNTIME_DIR=""

# Waits up to $1 tenths of a second for the command in the remaining arguments to succeed.
xvfb_session__wait() {
  local tries=$1
  shift
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

xvfb_session__lock_is_ours() {
  local lock=/tmp/.X$1-lock owner
  [[ -r $lock ]] || return 1
  owner=$(tr -dc '0-9' 2>/dev/null <"$lock")
  [[ -n $owner ]] && ((10#$owner == $2))
}

xvfb_session__wm_ready() {
  xprop -display "$1" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

xvfb_session_start() {
  local screen=${1:-1280x1024x24}
  local logdir=${2:-${TMPDIR:-/tmp}}
  mkdir -p "$logdir"

  # Start somewhere past the numbers people use by hand, spread by PID so that parallel starters
  # rarely even try the same number.
  local n=$((100 + $$ % 400)) attempt pid
  for ((attempt = 0; attempt < 50; attempt++, n++)); do
    if [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; then
      continue
    fi
    Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset >"$logdir/xvfb-$n.log" 2>&1 &
    pid=$!
    # Ready once the server answers and the lock is ours; if it exits, someone else won the number.
    local ready=0 tries=150
    while ((tries-- > 0)); do
      if ! kill -0 "$pid" 2>/dev/null; then
        break
      fi
      if xvfb_session__lock_is_ours "$n" "$pid" && xdpyinfo -display ":$n" >/dev/null 2>&1; then
        ready=1
        break
      fi
      sleep 0.1
    done
    if ((ready)); then
      XVFB_SESSION_DISPLAY=":$n"
      XVFB_SESSION_PID=$pid
      break
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [[ -z $XVFB_SESSION_DISPLAY ]]; then
    echo "xvfb-session: could not start Xvfb on any free display (logs in $logdir)" >&2
    return 1
  fi
  export DISPLAY=$XVFB_SESSION_DISPLAY
  if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    XVFB_SESSION_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/xdg-runtime.XXXXXX")
    chmod 700 "$XVFB_SESSION_RUNTIME_DIR"
    export XDG_RUNTIME_DIR=$XVFB_SESSION_RUNTIME_DIR
  fi

  # The stock configuration keeps the window manager's behaviour independent of whoever's home
  # directory we run in (Alt+F4 closes, windows get frames and title bars).
  local wm_args=(--sm-disable)
  [[ -r /etc/xdg/openbox/rc.xml ]] && wm_args+=(--config-file /etc/xdg/openbox/rc.xml)
  openbox "${wm_args[@]}" >"$logdir/openbox-${n}.log" 2>&1 &
  XVFB_SESSION_WM_PID=$!
  if ! xvfb_session__wait 150 xvfb_session__wm_ready "$DISPLAY"; then
    echo "xvfb-session: openbox did not take over display $DISPLAY (log: $logdir/openbox-$n.log)" >&2
    xvfb_session_stop
    return 1
  fi
  return 0
}

xvfb_session_stop() {
  local pid
  for pid in "$XVFB_SESSION_WM_PID" "$XVFB_SESSION_PID"; do
    [[ -n $pid ]] || continue
    # Both are children of this shell, so wait both reaps them and tells us they are gone.
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [[ -n $XVFB_SESSION_RUNTIME_DIR ]]; then
    rm -rf "$XVFB_SESSION_RUNTIME_DIR"
    unset XDG_RUNTIME_DIR
  fi
  XVFB_SESSION_WM_PID=""
  XVFB_SESSION_PID=""
  XVFB_SESSION_DISPLAY=""
  XVFB_SESSION_RUNTIME_DIR=""
  return 0
}
