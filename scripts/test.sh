#!/usr/bin/env bash
# Builds Zarvel and runs every test: the plain build, the build with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows module and host, cross-built and tested under
# Wine. Installs what a fresh Debian machine lacks first.
#
# On a machine that cannot run 32-bit x86 programs (a kernel without IA-32 emulation), Wine
# cannot either: the Windows module, host and zip are still built and every check that reads
# the PE files runs, and the closing tally says that the Windows programs were not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

jobs=$(nproc 2>/dev/null || echo 2)
tally=()
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_build() {  # preset (CMakePresets.json: plain, sanitize)
  echo "=== build/$1"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j"$jobs"
  ctest --preset "$1" -j"$jobs" | tee "$work/ctest.txt"
  tally+=("build/$1: $(grep -m1 'tests passed' "$work/ctest.txt")")
}

# Every C and C++ source laid out as .clang-format says; no build before that holds.
echo "=== format"
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
tally+=("format: every C and C++ source as .clang-format lays it out")

run_build plain
run_build sanitize

# Every reader of outside input fuzzed for a short, bounded time (scripts/fuzz.sh runs longer).
fuzz_seconds=${ZARVEL_FUZZ_SECONDS:-20}
echo "=== fuzz targets, $fuzz_seconds s each"
fuzz_status=0
scripts/fuzz.sh "$fuzz_seconds" || fuzz_status=$?
case $fuzz_status in
  0) tally+=("fuzz targets: every reader fuzzed for $fuzz_seconds s, nothing found") ;;
  3) tally+=("SKIPPED: fuzz targets: clang's libFuzzer is not installed on this machine") ;;
  *) echo "fuzz targets: a fault was found (see above)" >&2; exit 1 ;;
esac

win32=$PWD/build-win32
echo "=== build-win32"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$jobs"

# The Linux unit tests' checks of the PE files read them without running them.
echo "=== the PE files, read"
ZARVEL_WIN32_MODULE="$win32/Zarvel.aip" ZARVEL_WIN32_HOST="$win32/zarvel-host.exe" \
  build/plain/zarvel-unit-tests --gtest_filter='WindowsModule.*' --gtest_brief=1
tally+=("the PE files of build-win32: machine, exports, imports and resources checked")

echo "=== package"
cmake --build build-win32 --target package
package=$(ls build-win32/Zarvel-*-win32.zip)
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$OLDPWD/$package")
cmp "$work/unpacked/Zarvel/Zarvel.aip" build-win32/Zarvel.aip
cmp "$work/unpacked/INSTALL.txt" packaging/INSTALL.txt
tally+=("$package: built, unpacked and compared with its sources")

if why_not=$(scripts/runs-32bit-programs.sh); then
  # The unit tests as a Windows program and the end-to-end tests driving zarvel-host.exe.
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine maps file names through the locale: without a UTF-8 one (a fresh root sets none) the
  # Persian file names the tests use cannot be written.
  export LC_ALL=C.UTF-8
  echo "=== the Windows programs, under Wine"
  ctest --preset win32
  ZARVEL_HOST_RUNNER=wine ZARVEL_HOST_EXE="$win32/zarvel-host.exe" \
    ZARVEL_MODULE_FILE="$win32/Zarvel.aip" build/plain/zarvel-e2e-tests --gtest_brief=1
  tally+=("build-win32: unit tests and end-to-end tests passed under Wine")

  # The tour, run by both hosts on their own modules, prints the same lines and draws the
  # same picture of the panel. Only the Linux host composes the page: the lines of
  # `snapshot doc` and `dump layout` (drawn, listed or refused) are left out of the comparison,
  # and so is the tally's count of refusals, which counts the Windows host's refusing them.
  echo "=== the tour on Linux and on Windows"
  tour=$work/tour
  mkdir -p "$tour/out"
  cp -r examples "$tour/"
  linux_host=$PWD/build/plain/zarvel-host
  (cd "$tour" && "$linux_host" --json examples/tour.zvs >linux.txt &&
    mv out/tour-after.svg linux.svg &&
    wine "$win32/zarvel-host.exe" --json examples/tour.zvs >windows.txt &&
    page='"kind":"layout"|the page is drawn in |composing text needs the Linux host' &&
    refusals='s/"refused":[0-9]*/"refused":N/' &&
    cmp <(grep -Ev "$page" linux.txt | sed "$refusals") \
      <(grep -Ev "$page" windows.txt | sed "$refusals") &&
    cmp linux.svg out/tour-after.svg)
  tally+=("the tour: the same $(wc -l <"$tour/linux.txt") lines and picture on both hosts")
else
  echo "=== the Windows programs, under Wine: not run ($why_not)"
  tally+=("NOT RUN: the Windows programs (unit tests, end-to-end tests, the tour) were not run on this machine: $why_not")
fi

echo
echo "=== tally"
printf '%s\n' "${tally[@]}"
