#!/usr/bin/env bash
# Builds Zarvel and runs every test: the plain build, then the build with AddressSanitizer
# and UndefinedBehaviorSanitizer. Installs what a fresh Debian machine lacks first.
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

# The real Windows module and host, cross-built, with their tests under Wine: the unit
# tests as Windows programs, and the end-to-end tests driving zarvel-host.exe.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo "=== build-win32"
cmake --preset win32 >/dev/null
cmake --build build-win32 -j"$jobs"
ctest --test-dir build-win32 --output-on-failure
ZARVEL_HOST_RUNNER=wine ZARVEL_HOST_EXE="$PWD/build-win32/zarvel-host.exe" \
  ZARVEL_MODULE_FILE="$PWD/build-win32/Zarvel.aip" build/plain/zarvel-e2e-tests
