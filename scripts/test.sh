#!/usr/bin/env bash
# Builds Zarvel and runs every test: the plain build, the build with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows module and host, cross-built and tested under
# Wine. Installs what a fresh Debian machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

run_build() {  # name, cmake options...
  local dir=build/$1
  shift
  echo "=== $dir"
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

run_build plain -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_build sanitize -DCMAKE_BUILD_TYPE=Debug -DZARVEL_SANITIZE=ON -DZARVEL_BENCH=OFF

# The unit tests as a Windows program, the end-to-end tests driving zarvel-host.exe, the Linux unit
# tests' checks of the PE files, and the release package.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo "=== build-win32"
cmake --preset win32 >/dev/null
cmake --build build-win32 -j"$jobs"
ctest --test-dir build-win32 --output-on-failure
win32=$PWD/build-win32
ZARVEL_HOST_RUNNER=wine ZARVEL_HOST_EXE="$win32/zarvel-host.exe" \
  ZARVEL_MODULE_FILE="$win32/Zarvel.aip" build/plain/zarvel-e2e-tests
ZARVEL_WIN32_MODULE="$win32/Zarvel.aip" ZARVEL_WIN32_HOST="$win32/zarvel-host.exe" \
  build/plain/zarvel-unit-tests --gtest_filter='WindowsModule.*'

# The tour, run by both hosts on their own modules, prints the same lines and draws the same
# picture.
echo "=== the tour on Linux and on Windows"
tour=$(mktemp -d)
unpacked=$(mktemp -d)
trap 'rm -rf "$tour" "$unpacked"' EXIT
cp -r examples "$tour/"
mkdir "$tour/out"
linux_host=$PWD/build/plain/zarvel-host
(cd "$tour" && "$linux_host" --json examples/tour.zvs >linux.txt &&
  mv out/tour-after.svg linux.svg &&
  wine "$win32/zarvel-host.exe" --json examples/tour.zvs >windows.txt &&
  cmp linux.txt windows.txt && cmp linux.svg out/tour-after.svg)
echo "the same $(wc -l <"$tour/linux.txt") lines and picture"

echo "=== package"
cmake --build build-win32 --target package
package=$(ls build-win32/Zarvel-*-win32.zip)
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$package")
cmp "$unpacked/Zarvel/Zarvel.aip" build-win32/Zarvel.aip
cmp "$unpacked/INSTALL.txt" packaging/INSTALL.txt
echo "$package: Zarvel/Zarvel.aip, INSTALL.txt"
