#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# chart_e2e.sh KARVELO ARTIFACTS: drives the built chart on a private X server
# with a real window manager, as a user would, and saves what it saw.
set -uo pipefail
chart=$1
artifacts=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$here/scripts/xsession.sh"

work=$(mktemp -d)
mkdir -p "$artifacts"
failures=0
passes=0
chart_pid=

cleanup() {
  [ -n "$chart_pid" ] && kill "$chart_pid" 2>/dev/null
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT

check() { # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
    passes=$((passes + 1))
  else
    echo "FAIL: $name"
    failures=$((failures + 1))
  fi
}

start_chart() {
  "$chart" >"$work/chart.log" 2>&1 &
  chart_pid=$!
  main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Karvelo V\.1\.0\.1$' | head -n 1)
  [ -n "$main" ] || { echo "the main window never appeared"; return 1; }
  timeout 10 xdotool windowactivate --sync "$main" >/dev/null 2>&1
  sleep 0.3
}

# The chart's exit status, waiting at most five seconds for it to end.
ended_with() {
  local i
  for i in $(seq 50); do
    if ! kill -0 "$chart_pid" 2>/dev/null; then
      wait "$chart_pid"
      local status=$?
      chart_pid=
      [ "$status" -eq "$1" ]
      return
    fi
    sleep 0.1
  done
  return 1
}

about_visible() { xdotool search --onlyvisible --name '^About Karvelo V\.1\.0\.1$' >/dev/null 2>&1; }
about_hidden() {
  local i
  for i in $(seq 30); do about_visible || return 0; sleep 0.1; done
  return 1
}
about_shown() {
  local i
  for i in $(seq 30); do about_visible && return 0; sleep 0.1; done
  return 1
}

client_size() { xwininfo -id "${1:-$main}" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# What the window asks of the window manager (_MOTIF_WM_HINTS): no title-bar
# button that the MWM bit MASK (0x20 minimise, 0x40 maximise) stands for.
lacks_decoration() { # lacks_decoration WINDOW MASK
  local decorations
  decorations=$(xprop -id "$1" _MOTIF_WM_HINTS | awk -F'[=,]' '{gsub(/ /, "", $4); print $4}')
  [ -n "$decorations" ] && [ $((decorations & $2)) -eq 0 ]
}
transient_for_main() { xprop -id "$1" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$main")"; }

# Click the centre of the element button whose top-left corner is (left, top) twips.
click_button() {
  xdotool mousemove --window "$main" $((($1 + 337) / 15)) $((($2 + 375) / 15)) click 1
  sleep 0.3
}

shot() { import -window "$main" "$artifacts/$1.png"; }

# Saturated text pixels of one colour in the value area of the Properties
# frame (both value columns, above the configuration row).
value_pixels() { # value_pixels SHOT blue|red
  local test='b>0.7&&r<0.35&&g<0.35'
  [ "$2" = red ] && test='r>0.7&&g<0.35&&b<0.35'
  convert "$artifacts/$1.png" -crop 410x105+160+524 +repage -fx "($test)?1:0" \
    -format '%[fx:round(mean*w*h)]' info:
}
has_value_pixels() { [ "$(value_pixels "$1" "$2")" -gt 20 ]; }
no_value_pixels() { [ "$(value_pixels "$1" "$2")" -eq 0 ]; }

start_virtual_display "$work" || exit 1

# Start-up, a selection, About and Ok, Exit.
start_chart || exit 1
check "main window client area is 868 x 700" [ "$(client_size)" = 868x700 ]
check "main window asks for no maximise button" lacks_decoration "$main" 0x40
check "About window is hidden after start-up" about_hidden
shot startup
check "panel starts empty (no blue value text)" no_value_pixels startup blue
click_button 5062 2766            # iron
shot iron
check "iron click shows blue values" has_value_pixels iron blue
check "iron click shows red Celsius values" has_value_pixels iron red
click_button 120 480              # hydrogen, period 1
click_button 12135 5055           # element 118, column 18 of period 7
shot element118
check "element 118 still shows blue values" has_value_pixels element118 blue
check "element 118 has no Celsius numbers" no_value_pixels element118 red
click_button 120 480
xdotool mousemove --window "$main" $(((1950 + 487) / 15)) $(((1320 + 247) / 15)) click 1
check "About maps the About window" about_shown
import -window root "$artifacts/about.png"
about=$(xdotool search --onlyvisible --name '^About Karvelo V\.1\.0\.1$' | head -n 1)
check "About window's client area is 379 x 98" [ "$(client_size "$about")" = 379x98 ]
check "About window asks for no minimise or maximise button" lacks_decoration "$about" 0x60
check "About window belongs to the main window (no taskbar entry)" transient_for_main "$about"
xdotool windowsize "$about" 600 300
sleep 0.3
check "About window cannot be resized" [ "$(client_size "$about")" = 379x98 ]
xdotool mousemove --window "$about" $(((4650 + 457) / 15)) $(((105 + 592) / 15)) click 1
check "Ok unmaps the About window" about_hidden
xdotool mousemove --window "$main" $(((3030 + 487) / 15)) $(((1320 + 247) / 15)) click 1
check "Exit ends the chart with status 0" ended_with 0

# Alt+E, with the About window open.
start_chart || exit 1
xdotool key --clearmodifiers alt+a
check "Alt+A shows the About window" about_shown
timeout 10 xdotool windowactivate --sync "$main" >/dev/null 2>&1
check "returning to the main window hides the About window" about_hidden
xdotool key --clearmodifiers alt+e
check "Alt+E ends the chart with status 0" ended_with 0

# Closing the main window through the window manager (openbox: Alt+F4).
start_chart || exit 1
xdotool key --clearmodifiers alt+F4
check "closing the main window ends the chart with status 0" ended_with 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
