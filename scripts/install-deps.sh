#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmark needs to build, run and test.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin
  libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  clang-14 libclang-rt-14-dev
  libxcb1-dev libfontconfig-dev
  xvfb xauth openbox trayer xcompmgr xdotool x11-utils dbus-daemon
  g++-mingw-w64-x86-64-posix
  fonts-liberation fonts-dejavu-core
  nodejs python3
  desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
