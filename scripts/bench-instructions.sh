#!/usr/bin/env bash
# Counts the instructions per run of the selection pass and the six run walks under
# callgrind: a figure that the machine's load does not move, unlike the benchmark's times.
set -euo pipefail

usage() {
  cat <<'USAGE'
Usage: scripts/bench-instructions.sh [--runs N] [BUILD]

Runs BUILD/zarvel-bench (default BUILD: build/, next to this script's folder) under
valgrind --tool=callgrind once for each of:

  pass     the panel's whole selection-change pass through the module and the real engine
  real     the pass's six run walks straight through the real engine's suites
  minimal  the same six walks through the benchmark's minimal engine, which checks nothing
  checked  the same six walks through the minimal engine with the checks the host keeps
  bare     six bare scans of the real engine's run array

and prints the instructions per run of each, the ratios of pass, real and checked to
minimal, and of real to checked.
Only the instructions of the measured work are counted, not those of start-up or opening.
--runs N: the document's runs (a multiple of 1000; default 100000).
USAGE
}

runs=100000
build=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --runs) runs="${2:?--runs needs a number}"; shift 2 ;;
    -*) echo "bench-instructions.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) build="$1"; shift ;;
  esac
done
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${build:-$root/build}"
bench="$build/zarvel-bench"
if [[ ! -x "$bench" ]]; then
  echo "bench-instructions.sh: $bench is missing; build the target zarvel-bench first" >&2
  exit 2
fi
command -v valgrind >/dev/null || { echo "bench-instructions.sh: valgrind is not installed" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

declare -A perRun
printf '%-8s %14s %12s\n' what instructions "per run"
for what in pass real minimal checked bare; do
  out="$work/$what.out"
  valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
    --toggle-collect='zvbench::Measured(*' "$bench" --instructions "$what" "$runs" \
    >"$work/$what.log" 2>&1 || { cat "$work/$what.log" >&2; exit 1; }
  total="$(sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$out" | head -n 1)"
  [[ -n "$total" ]] || total="$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$out" | head -n 1)"
  perRun[$what]="$((total / runs))"
  printf '%-8s %14s %12s\n' "$what" "$total" "${perRun[$what]}"
done
awk -v p="${perRun[pass]}" -v r="${perRun[real]}" -v m="${perRun[minimal]}" \
  -v c="${perRun[checked]}" 'BEGIN {
  printf "pass / minimal: %.2fx   real walks / minimal: %.2fx\n", p / m, r / m
  printf "checked / minimal: %.2fx   real walks / checked: %.2fx\n", c / m, r / c }'
