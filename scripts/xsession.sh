# SPDX-License-Identifier: MIT
# Sourced by the scripts that need a virtual X display: a private Xvfb on a
# free display number with openbox as window manager.
#   start_virtual_display WORKDIR   exports DISPLAY
#   stop_virtual_display

start_virtual_display() {
  local work=$1
  mkdir -p "$work"
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start; see $work/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  WM_PID=$!
  for i in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "openbox did not start; see $work/openbox.log" >&2
  return 1
}

stop_virtual_display() {
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  WM_PID= XVFB_PID=
  return 0
}
