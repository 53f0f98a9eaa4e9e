#!/usr/bin/env bash
# The demo: builds Zarvel and its host, then runs the tour script, which opens an example
# document, shows the panel, selects text and frames, changes attributes through the panel,
# and prints (and draws) what the panel and the document then hold.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh demo
cmake -S . -B build -DZARVEL_TESTS=OFF -DZARVEL_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
mkdir -p out
build/zarvel-host "$@" examples/tour.zvs
echo
echo "Pictures of the panel: out/tour-before.svg and out/tour-after.svg"
echo "Pictures of the page: out/tour-page-before.png and out/tour-page-after.png"
