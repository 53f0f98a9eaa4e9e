#!/usr/bin/env bash
# Installs what building and testing Zarvel needs on Debian 12, only what is missing: the
# compilers and libraries, the i686 MinGW toolchain for the Windows build, and Wine (32-bit,
# from the i386 architecture) to run that build's programs.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libbenchmark-dev nlohmann-json3-dev
          binutils-mingw-w64-i686 g++-mingw-w64-i686 imagemagick wine wine32:i386)

missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
[ ${#missing[@]} -gt 0 ] || exit 0

sudo_cmd=""
[ "$(id -u)" = 0 ] || sudo_cmd=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $sudo_cmd dpkg --add-architecture i386

echo "Installing: ${missing[*]}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { $sudo_cmd apt-get update -qq &&
       DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log"
  echo "install-deps.sh: apt-get could not install: ${missing[*]}" >&2
  exit 1
fi
