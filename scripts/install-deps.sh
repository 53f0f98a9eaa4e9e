#!/usr/bin/env bash
# Installs what Zarvel needs on Debian 12, only what is missing.
#
#   scripts/install-deps.sh demo   what the demo needs: the compiler, CMake, the resource compiler
#                                  (windres, from the MinGW binutils), the host's libraries (JSON;
#                                  HarfBuzz, FreeType, ICU, fontconfig and Cairo to compose and
#                                  draw text) and the Amiri font
#   scripts/install-deps.sh test   everything (the default): the above, the test libraries, the i686
#                                  MinGW compilers, and Wine (32-bit, from the i386 architecture)
#                                  where this machine can run 32-bit programs
#
# apt is made to work around two faults of real mirrors: an index that fails to download (a
# mirror in sync) is reported and passed over, and an install that fails because the suites
# offer different versions on the two architectures is retried with candidates from the
# release suite alone. It fails only when a package cannot be had at all, naming it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

purpose=${1:-test}
demo_packages=(cmake g++ make pkg-config binutils-mingw-w64-i686 nlohmann-json3-dev
               libharfbuzz-dev libfreetype-dev libicu-dev libfontconfig-dev libcairo2-dev
               fonts-hosny-amiri libcli11-dev libedit-dev)
case $purpose in
  demo) packages=("${demo_packages[@]}") ;;
  test)
    # Pango: the benchmark composes the same text with it, the peer a Linux user would reach for.
    # clang and its runtime libraries: the fuzz targets (libFuzzer and the sanitizers).
    # libxml2: the tests read the page's SVG picture back.
    # Valgrind: scripts/bench-instructions.sh counts instructions per run under callgrind.
    # clang-format and git: the tests check the sources' layout, listed by git.
    packages=("${demo_packages[@]}" libgtest-dev libbenchmark-dev g++-mingw-w64-i686
              libpango1.0-dev clang libclang-rt-14-dev libxml2-dev valgrind clang-format git)
    if "$here/runs-32bit-programs.sh" >/dev/null; then packages+=(wine wine32:i386); fi
    ;;
  *) echo "usage: scripts/install-deps.sh [demo|test]" >&2; exit 2 ;;
esac

missing=()
# A package removed but not purged is still known to dpkg (its configuration files stay): only
# the status "installed" counts.
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f '${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

as_root=()
[ "$(id -u)" = 0 ] || as_root=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -y -q "$@"; }

if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "install-deps.sh: installing ${missing[*]}"

# A failed index leaves the others usable: say which failed and go on.
if ! apt_get update >"$log" 2>&1; then
  echo "install-deps.sh: some package indexes could not be fetched; going on without them:" >&2
  grep -E '^(E|W|Err):' "$log" >&2 || cat "$log" >&2
fi

if apt_get install "${missing[@]}" >"$log" 2>&1; then exit 0; fi

# Multi-Arch packages must have the same version on both architectures; an update suite
# (security, say) whose index for one architecture is missing or behind breaks that, the
# more so when packages of the other architecture were installed from it before. The
# release suite is complete on both: retry with its versions alone, pinned above the
# installed ones so that such packages move back to the release's version.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
echo "install-deps.sh: apt-get could not install them together" \
  "($(grep -m1 -E '^E:' "$log" | sed 's/^E: //' || true));" \
  "retrying with the versions of the release suite, $release" >&2
pin=$(mktemp)
trap 'rm -f "$log" "$pin"' EXIT
printf 'Package: *\nPin: release n=%s\nPin-Priority: 1001\n' "$release" >"$pin"
if apt_get install -o Dir::Etc::Preferences="$pin" --allow-downgrades "${missing[@]}" >"$log" 2>&1; then
  downgraded=$(awk '/^The following packages will be DOWNGRADED/ { on = 1; next }
                    on && /^  / { printf "%s", $0; next } { on = 0 }' "$log" | tr -s " ")
  [ -z "$downgraded" ] ||
    echo "install-deps.sh: moved back to the release's versions, to match their twins:$downgraded" >&2
  exit 0
fi

cat "$log" >&2
unavailable=()
for p in "${missing[@]}"; do
  candidate=$(apt-cache policy "$p" 2>/dev/null | awk '/Candidate:/ { print $2 }')
  [ -n "$candidate" ] && [ "$candidate" != "(none)" ] || unavailable+=("$p")
done
if [ ${#unavailable[@]} -gt 0 ]; then
  echo "install-deps.sh: no installable version of: ${unavailable[*]}" >&2
else
  echo "install-deps.sh: apt-get could not install: ${missing[*]} (its messages are above)" >&2
fi
exit 1
