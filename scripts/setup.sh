#!/usr/bin/env bash
# Installs everything the build, the program and the tests need on Debian 12. Installing
# needs root; once all is installed, it checks and returns, as any user.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-ipafont-gothic
  xvfb xdotool x11-utils x11-xserver-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if ((EUID != 0)); then
    echo "setup.sh: missing packages: ${missing[*]}" >&2
    echo "setup.sh: install them once as root: sudo bash scripts/setup.sh" >&2
    exit 1
  fi
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
