#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# screenshot.sh OUT.png [X Y]: starts the built chart on a virtual display,
# optionally clicks at (X, Y) in its client area, and saves the main window,
# title bar included, as OUT.png.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$1
source "$here/scripts/xsession.sh"

work=$(mktemp -d)
cleanup() {
  [ -n "${chart_pid:-}" ] && kill "$chart_pid" 2>/dev/null
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display "$work"

"$here/build/src/windows/karvelo" >"$work/chart.log" 2>&1 &
chart_pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Karvelo V\.1\.0\.1$' | head -n 1)
sleep 0.5
if [ $# -ge 3 ]; then
  xdotool mousemove --window "$wid" "$2" "$3" click 1
  sleep 0.3
fi
frame=$(xwininfo -id "$wid" -tree | awk '/Parent window id/ {print $4}')
mkdir -p "$(dirname "$out")"
import -window "${frame:-$wid}" "$out"
