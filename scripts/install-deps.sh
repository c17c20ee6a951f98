#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing,
# so that a second run costs nothing. Runs apt-get as root, through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config   # the build
  libbenchmark-dev                   # the benchmarks
  libgtest-dev libgmock-dev          # the tests
  qt6-base-dev                       # the platform layer (Qt 6 Gui and Widgets, rcc, moc)
  qt6-qpa-plugins                    # Qt's offscreen and X11 back ends
  fonts-liberation                   # faces metric-compatible with the ones the drawings name
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
