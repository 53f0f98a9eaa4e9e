#!/usr/bin/env bash
# Times benchmarks of two or more builds of zarvel-bench in turns, so that the shared
# machine's load falls on all of them alike, and prints the fastest CPU time, the first
# quartile and the median of each: the fastest and the first quartile move least with load.
set -euo pipefail

usage() {
  cat <<'USAGE'
Usage: scripts/bench-compare.sh [--rounds N] [--filter REGEX] BENCH BENCH...

Runs each BENCH (a zarvel-bench executable, e.g. a copy of build/plain/zarvel-bench kept
from before a change) once a round, in turn, N rounds (default 3). Each run repeats every
benchmark that REGEX selects three times (default: the selection pass and the six walks at
100,000 runs). Prints, per build and benchmark, the fastest CPU time of all the repetitions,
the first quartile and the median, in the benchmark's own unit.
USAGE
}

rounds=3
filter='SixWalks.*/100000$|SelectionPass/100000$'
benches=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --rounds) rounds="${2:?--rounds needs a number}"; shift 2 ;;
    --filter) filter="${2:?--filter needs a regular expression}"; shift 2 ;;
    -*) echo "bench-compare.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) benches+=("$1"); shift ;;
  esac
done
if [[ ${#benches[@]} -lt 2 ]]; then
  echo "bench-compare.sh: name two builds or more to compare" >&2
  usage >&2
  exit 2
fi
if ! [[ "$rounds" =~ ^[1-9][0-9]*$ ]]; then
  echo "bench-compare.sh: --rounds takes a whole number from 1 up, not '$rounds'" >&2
  exit 2
fi
for bench in "${benches[@]}"; do
  [[ -x "$bench" ]] || { echo "bench-compare.sh: $bench is not an executable" >&2; exit 2; }
done

samples="$(mktemp)"
trap 'rm -f "$samples"' EXIT
for ((round = 1; round <= rounds; ++round)); do
  for index in "${!benches[@]}"; do
    echo "round $round of $rounds: ${benches[$index]}" >&2
    # One line per repetition, colours taken out: "build-index benchmark cpu-time unit".
    "${benches[$index]}" --benchmark_filter="$filter" --benchmark_repetitions=3 2>/dev/null |
      sed 's/\x1b\[[0-9;]*m//g' |
      awk -v build="$index" '/^BM_/ && $1 !~ /_(mean|median|stddev|cv)$/ {
        print build, $1, $4, $5 }' >>"$samples"
  done
done
if [[ ! -s "$samples" ]]; then
  echo "bench-compare.sh: no benchmark matched '$filter'" >&2
  exit 1
fi

names="$(printf '%s\n' "${benches[@]}")"
printf '%-44s %-8s %8s %8s %8s\n' benchmark build fastest "1st q." median
sort -k2,2 -k1,1n -k3,3g "$samples" | awk -v names="$names" '
  BEGIN { split(names, build, "\n") }
  function flush() {
    if (n == 0) return
    printf "%-44s %-8s %8s %8s %8s %s\n", name, "#" (key + 1), v[1], v[int(n / 4) + 1],
      v[int(n / 2) + 1], unit
  }
  { k = $2 " " $1
    if (k != current) { flush(); current = k; n = 0; name = $2; key = $1; unit = $4 }
    v[++n] = $3 }
  END {
    flush()
    for (i = 1; i in build; ++i) printf "#%d: %s\n", i, build[i]
  }'
