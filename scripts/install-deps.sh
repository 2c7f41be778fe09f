#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages Harvela needs to build, test, benchmark and run.
# Checks first: when everything is present it does nothing and needs no package index.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-noto-cjk
  xvfb xauth xclip
  desktop-file-utils appstream lintian dpkg-dev
  opencc libopencc-data libopencc-dev unicode-data libcli11-dev time
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo to install them." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
