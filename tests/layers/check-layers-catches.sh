#!/usr/bin/env bash
# scripts/check-layers.sh against copies of the tree with one fault seeded in each: it must
# fail and name the file and the include that does it.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
# side, name, file to change, the line after which the include goes, the include, and the
# text the check must print (@LINE@ stands for the number of the line added)
expect_fault() {
  local side="$1" name="$2" file="$3" after="$4" include="$5" expected="$6"
  rm -rf "$work/tree" && mkdir "$work/tree"
  cp -r "$source_dir"/{sdk,base,text,commands,panel,plugin,host} "$work/tree/"
  grep -qF "$after" "$work/tree/$file" || { echo "FAIL $name: no line '$after' in $file"; exit 1; }
  local line
  line=$(($(grep -nF "$after" "$work/tree/$file" | head -1 | cut -d: -f1) + 1))
  sed -i "$((line - 1))a $include" "$work/tree/$file"
  expected="${expected//@LINE@/$line}"
  local status=0
  "$source_dir/scripts/check-layers.sh" --side "$side" "$work/tree" >"$work/out" 2>&1 || status=$?
  if [[ $status -ne 1 ]] || ! grep -qF "$expected" "$work/out"; then
    echo "FAIL $side: $name: exit status $status, expected 1 and '$expected' in:"
    cat "$work/out"
    failures=$((failures + 1))
  else
    echo "ok   $side: $name"
  fi
}

expect_fault module "upward include" base/HostSuiteTable.cpp '#include "base/HostSuites.h"' \
  '#include "plugin/PluginGlobals.h"' \
  'base/HostSuiteTable.cpp:@LINE@: includes "plugin/PluginGlobals.h": base/ lies below plugin/'
expect_fault module "include of the host" text/OwnedArtSet.h '#include "HostTypes.h"' \
  '#include "host/core/Output.h"' \
  'text/OwnedArtSet.h:@LINE@: includes "host/core/Output.h": host/ is not part of the module'
expect_fault module "circle between files" text/SelectedFrameWalk.h \
  '#include "text/OwnedArtSet.h"' '#include "text/SelectionAccess.h"' \
  'text/SelectedFrameWalk.h:@LINE@: #include "text/SelectionAccess.h"'
expect_fault host "upward include" host/core/Output.h '#include <ostream>' \
  '#include "host/app/Host.h"' \
  'host/core/Output.h:@LINE@: includes "host/app/Host.h": host/core/ lies below host/app/'
expect_fault host "sideways include" host/engine/Story.h '#include "host/engine/Attributes.h"' \
  '#include "host/menus/MenuBar.h"' \
  'host/engine/Story.h:@LINE@: includes "host/menus/MenuBar.h": host/engine/ and host/menus/ share a floor'
expect_fault host "include of the module" host/engine/Story.h \
  '#include "host/engine/Attributes.h"' '#include "base/Trace.h"' \
  'host/engine/Story.h:@LINE@: includes "base/Trace.h": base/ is not part of the host'
exit $((failures > 0))
