#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the chart needs (only those missing), then
# configures and builds it. Safe to run again: a second run installs nothing
# and rebuilds only what changed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  fonts-comic-neue fonts-dejavu-core fontconfig
  locales
  xvfb xauth openbox xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cd "$here"
cmake --preset default >/dev/null
cmake --build --preset default
