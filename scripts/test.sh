#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds, and runs every test: the in-process widget
# tests on Qt's offscreen platform and the end-to-end tests of the built
# program on a virtual X display.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
cd "$here"
ctest --preset default
