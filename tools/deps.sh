#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Setup. A machine that already has
# them all is left alone: no apt-get call at all.
set -euo pipefail

packages=(
  build-essential cmake pkg-config # toolchain
  qt6-base-dev libjpeg62-turbo-dev # the program's libraries
  libgtest-dev googletest libbenchmark-dev # tests and benchmarks
  xvfb openbox xdotool imagemagick x11-utils xauth # virtual display and end-to-end tests
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "deps: installing ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || { echo "deps: not root and no sudo; install as root: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
