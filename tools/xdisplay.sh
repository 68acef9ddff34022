#!/usr/bin/env bash
# Runs a command on its own virtual X display (Xvfb) with a small window
# manager (openbox), so a window's real place and frame can be checked.
# Each run picks a free display; both servers are stopped by process id.
#   TW_XSCREEN  the screen's size and depth (default 1280x1024x24)
set -euo pipefail
work=$(mktemp -d)
xvfb="" wm=""
cleanup() {
  for pid in $wm $xvfb; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Xvfb writes the display number it took to the descriptor we give it.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${TW_XSCREEN:-1280x1024x24}" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 600); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "xdisplay.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# The manager announces itself on the root window once it manages windows.
# An empty settings file takes the defaults; a file that is no settings at
# all (such as /dev/null) puts an error window on the display.
echo '<openbox_config xmlns="http://openbox.org/3.4/rc"/>' >"$work/rc.xml"
openbox --sm-disable --config-file "$work/rc.xml" >"$work/wm.log" 2>&1 &
wm=$!
for _ in $(seq 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm" 2>/dev/null || { cat "$work/wm.log" >&2; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "xdisplay.sh: the window manager did not start" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
"$@"
