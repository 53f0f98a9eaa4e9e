#!/usr/bin/env bash
# Installs what building and testing Zarvel needs on Debian 12, only what is missing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev nlohmann-json3-dev
          binutils-mingw-w64-i686 g++-mingw-w64-i686 imagemagick)
wine_packages=(wine wine32)

missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ "${ZARVEL_WITH_WINE:-1}" = 1 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    missing+=("${wine_packages[@]}")
  else
    for p in wine wine32:i386; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("${p%:i386}"); done
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" = 0 ] || sudo_cmd=sudo
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
