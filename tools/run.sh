#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Setup and runs it.
#
# With a display ($DISPLAY set) the program simply runs there; the exit code is the program's.
# Without one, it runs on a private virtual display (Xvfb + openbox): once its window is up, a
# screenshot goes to build/screenshot.png, then the program is ended through its own File > Exit
# menu from the keyboard and its exit code is reported and returned.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

exe=$root/build/app/Settings
if [[ -n ${DISPLAY:-} ]]; then
  exec "$exe"
fi

source tools/xvfb-session.sh
app_pid=""
# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() {
  if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  xvfb_session_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Any platform override (e.g. offscreen) would keep the window off the display we make.
unset QT_QPA_PLATFORM
xvfb_session_start 1280x1024x24 "$root/build/xvfb-session"
echo "No display: running Settings on virtual display $DISPLAY"

"$exe" &
app_pid=$!
wid=$(timeout 30 xdotool search --sync --name '^Setup$' 2>/dev/null | head -n 1 || true)
if [[ -z $wid ]]; then
  echo "The window \"Setup\" did not appear within 30 s" >&2
  exit 1
fi
sleep 1 # let it paint
shot=$root/build/screenshot.png
import -window root "$shot"
echo "Screenshot saved to $shot"

# End it the way a user would: File > Exit from the keyboard.
timeout 10 xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
xdotool key alt+f
for _ in $(seq 50); do
  (($(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l) > 1)) && break
  sleep 0.1
done
xdotool key e
for _ in $(seq 200); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "Settings did not end within 20 s of File > Exit; stopping it" >&2
  exit 1
fi
rc=0
wait "$app_pid" || rc=$?
app_pid=""
echo "Settings exited with code $rc"
exit "$rc"
