#!/usr/bin/env bash
# scripts/check-layers.sh against copies of the module with one fault seeded in each: it must
# fail and name the file and the include that does it.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
# name, file to change, the line after which the include goes, the include, and the text
# the check must print (@LINE@ stands for the number of the line added)
expect_fault() {
  local name="$1" file="$2" after="$3" include="$4" expected="$5"
  rm -rf "$work/tree" && mkdir "$work/tree"
  cp -r "$source_dir"/{sdk,base,text,commands,panel,plugin,host} "$work/tree/"
  grep -qF "$after" "$work/tree/$file" || { echo "FAIL $name: no line '$after' in $file"; exit 1; }
  local line
  line=$(($(grep -nF "$after" "$work/tree/$file" | head -1 | cut -d: -f1) + 1))
  sed -i "$((line - 1))a $include" "$work/tree/$file"
  expected="${expected//@LINE@/$line}"
  local status=0
  "$source_dir/scripts/check-layers.sh" "$work/tree" >"$work/out" 2>&1 || status=$?
  if [[ $status -ne 1 ]] || ! grep -qF "$expected" "$work/out"; then
    echo "FAIL $name: exit status $status, expected 1 and '$expected' in:"
    cat "$work/out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect_fault "upward include" base/HostSuiteTable.cpp '#include "base/HostSuites.h"' \
  '#include "plugin/PluginGlobals.h"' \
  'base/HostSuiteTable.cpp:@LINE@: includes "plugin/PluginGlobals.h": base/ lies below plugin/'
expect_fault "include of the host" text/OwnedArtSet.h '#include "HostTypes.h"' \
  '#include "host/core/Output.h"' 'text/OwnedArtSet.h:@LINE@: includes "host/core/Output.h": host/ is not part of the module'
expect_fault "circle between files" text/SelectedFrameWalk.h \
  '#include "text/OwnedArtSet.h"' '#include "text/SelectionAccess.h"' \
  'text/SelectedFrameWalk.h:@LINE@: #include "text/SelectionAccess.h"'
exit $((failures > 0))
