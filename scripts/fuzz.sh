#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for SECONDS (default 60) from its seed corpus, made from the
# project's real files. A finding stops that target; its input is saved in
# build-fuzz/findings/READER/ and the script ends with status 1, naming it. Copy the input to
# fuzz/regressions/READER/ once it is mended: the unit tests replay every input there.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# Every reader, one a line: the fuzz build makes a target of each.
mapfile -t all <"$root/fuzz/readers.txt"

usage() {
  cat <<USAGE
Usage: scripts/fuzz.sh [SECONDS] [READER...]

Runs every fuzz target (or the readers named) for SECONDS each (default 60).
Readers: ${all[*]}
ZARVEL_FUZZ_JOBS=N runs N targets side by side (default 1), each still for SECONDS.
ZARVEL_FUZZ_TIMEOUT=S counts an input that runs longer than S seconds as a hang (default 10;
raise it where the targets share a loaded machine, whose waits are not the reader's).
Exit status: 0 nothing found, 1 a target found a fault, 2 bad usage, 3 clang's libFuzzer
is not installed.
USAGE
}

case "${1:-}" in -h | --help) usage; exit 0 ;; esac
seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz: SECONDS must be a whole number, not '$seconds'" >&2; exit 2; }
shift || true
build=${ZARVEL_FUZZ_BUILD:-$root/build-fuzz}
readers=("$@")
((${#readers[@]})) || readers=("${all[@]}")
for reader in "${readers[@]}"; do
  [[ " ${all[*]} " == *" $reader "* ]] ||
    { echo "fuzz: '$reader' is not a reader (readers: ${all[*]})" >&2; exit 2; }
done

if ! command -v clang++ >/dev/null ||
   ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' |
     clang++ -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
  echo "fuzz: clang++ with libFuzzer is not installed (scripts/install-deps.sh test installs it)" >&2
  exit 3
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DZARVEL_FUZZ=ON -DZARVEL_TESTS=OFF -DZARVEL_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "${ZARVEL_JOBS:-2}" --target ZarvelModule fuzz-seed-corpus \
  "${readers[@]/#/fuzz-}" >/dev/null

# The seed corpora from the real files: the module's resources whole and one by one, the
# module itself, the example documents, the scripts' lines and the host's own preferences.
corpus=$build/corpus
rm -rf "$corpus"
"$build/fuzz-seed-corpus" "$build/Zarvel.res" "$build/Zarvel.aip" "$corpus" >/dev/null
mkdir -p "$corpus/document" "$corpus/script-line" "$corpus/preferences" "$corpus/pe"
cp "$root"/examples/*.json "$corpus/document/"
i=0
while IFS= read -r line; do
  printf '%s' "$line" >"$corpus/script-line/line-$((i++))"
done < <(cat "$root"/examples/*.zvs)
printf '{"ZarvelNonModalDialog":{"Bounds":[10,20],"Docked":true,"Name":"x","Count":3}}' \
  >"$corpus/preferences/prefs.json"
# A PE module, where the Windows build has made one.
[[ ! -f "$root/build-win32/Zarvel.aip" ]] || cp "$root/build-win32/Zarvel.aip" "$corpus/pe/"

# Runs one target for its time; prints its figures, or the finding. Status 1 on a finding.
fuzz_one() {
  local reader=$1 findings=$build/findings/$1 log=$build/work/$1/fuzz.log
  mkdir -p "$findings" "$build/work/$reader/corpus" "$corpus/$reader"
  if (cd "$build/work/$reader" &&
      "$build/fuzz-$reader" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$build/work/$reader/corpus" \
        "$corpus/$reader" >"$log" 2>&1); then
    echo "fuzz-$reader: $seconds s"
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed 's/^/  /'
  else
    echo "fuzz-$reader: $seconds s"
    echo "  FOUND a fault: $(ls "$findings" | head -3 | tr '\n' ' ')(log: $log)"
    return 1
  fi
}

jobs=${ZARVEL_FUZZ_JOBS:-1}
timeout=${ZARVEL_FUZZ_TIMEOUT:-10}
[[ "$timeout" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz: ZARVEL_FUZZ_TIMEOUT must be 1 or more, not '$timeout'" >&2; exit 2; }
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz: ZARVEL_FUZZ_JOBS must be 1 or more, not '$jobs'" >&2; exit 2; }
status=0
running=0
for reader in "${readers[@]}"; do
  if ((running == jobs)); then
    wait -n || status=1
    ((running--))
  fi
  fuzz_one "$reader" &
  ((++running))
done
while ((running > 0)); do
  wait -n || status=1
  ((running--))
done
exit $status
