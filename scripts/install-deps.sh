#!/usr/bin/env bash
# Installs, on Debian 12, whichever of Kelvaro's build, test and run packages
# are missing. Packages that are already there are left alone.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libqqwing-dev
  # the desktop program
  qt6-base-dev qt6-webengine-dev qt6-svg-dev libqt6svg6 fonts-liberation libxcb1-dev
  # the default control font the window tests compare pixels in
  fonts-dejavu-core
  # headless window, print and install checks
  xvfb xauth poppler-utils desktop-file-utils appstream dpkg-dev lintian
  # the X test stage (tests/x) and bench/memory_soak.py: a window manager,
  # XTEST input, the clipboard, and xdg-open for the desktop's browser
  openbox python3 libx11-6 libxtst6 xclip xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
