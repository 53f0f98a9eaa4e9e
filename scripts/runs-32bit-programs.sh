#!/usr/bin/env bash
# Finds out whether this machine runs 32-bit x86 programs, as Wine needs, by running one: a
# 91-byte i386 ELF program that only exits with status 0. Exits 0 if it ran; otherwise
# prints why not (a kernel without IA-32 emulation says "Exec format error") and exits 1.
set -u

probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000\061\333\061\300\100\315\200' >"$probe"
chmod +x "$probe"

if [ "${ZARVEL_RUN_32BIT:-}" = no ]; then
  echo "ZARVEL_RUN_32BIT=no is set"
  exit 1
fi
if reason=$("$probe" 2>&1); then
  exit 0
fi
# bash reports the exec failure itself: keep only the system's words.
echo "a 32-bit x86 program does not run here: ${reason##*: }"
exit 1
