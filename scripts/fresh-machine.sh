#!/usr/bin/env bash
# Tries the README's two commands as a new machine would: makes a minimal Debian 12 root with
# debootstrap, gives it this machine's Debian apt sources, clones the repository into it
# (what is committed on the current branch), and runs scripts/demo.sh, then scripts/test.sh,
# inside it as root, timing each. Needs root. CI does not run it; on two shared cores it takes
# well over an hour (the README gives the figures of one run).
#
#   scripts/fresh-machine.sh [FOLDER]    (default: a new temporary folder, removed at the end)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" = 0 ] || { echo "fresh-machine.sh: must run as root (debootstrap, chroot)" >&2; exit 2; }

root=${1:-$(mktemp -d /var/tmp/zarvel-fresh.XXXXXX)}
keep=${1:+yes}
cleanup() {
  for m in dev/pts dev proc; do mountpoint -q "$root/$m" && umount -l "$root/$m"; done
  [ -n "$keep" ] || rm -rf "$root"
}
trap cleanup EXIT

command -v debootstrap >/dev/null ||
  { apt-get update -q >/dev/null &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q -t bookworm debootstrap >/dev/null; }
echo "=== debootstrap --variant=minbase bookworm $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$root.log" 2>&1 ||
  { cat "$root.log"; exit 1; }
rm -f "$root.log"
# This machine's Debian sources, in whichever of apt's two forms it keeps them; with neither,
# debootstrap's own list of the release suite, to which the updates and security suites are added.
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  rm -f "$root/etc/apt/sources.list"
  cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/"
elif grep -qs '^deb .*debian' /etc/apt/sources.list; then
  grep '^deb .*debian' /etc/apt/sources.list >"$root/etc/apt/sources.list"
else
  printf '%s\n' 'deb http://deb.debian.org/debian bookworm-updates main' \
    'deb http://deb.debian.org/debian-security bookworm-security main' >>"$root/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$here" "$root/root/zarvel"

mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

for command in scripts/demo.sh scripts/test.sh; do
  echo "=== $command"
  start=$(date +%s)
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
    /bin/bash -c "cd /root/zarvel && $command" >"$root/root/$(basename "$command").log" 2>&1 ||
    { tail -40 "$root/root/$(basename "$command").log"; echo "$command failed" >&2; exit 1; }
  tail -3 "$root/root/$(basename "$command").log"
  echo "$command passed in $(($(date +%s) - start)) s"
done
