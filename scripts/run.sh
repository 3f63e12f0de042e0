#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, then starts the chart. Without a display it starts the
# chart on a virtual one instead, saves a screenshot of its main window,
# prints where, and exits.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"

chart="$here/build/src/windows/karvelo"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$chart"
fi

echo "No display found: showing the chart on a virtual display instead."
shot="$here/build/screenshots/karvelo.png"
"$here/scripts/screenshot.sh" "$shot"
echo "Screenshot of the main window: $shot"
