#!/usr/bin/env bash
# Draws the module's folder graph from its #include lines and fails on any include that runs
# upward, on any circle between folders and on any circle between the files of one folder.
set -euo pipefail

usage() {
  cat <<'EOF'
Usage: scripts/check-layers.sh [--side module|host] [--dot] [ROOT]

Reads every #include "..." line of one side's folders under ROOT (default: the tree this
script belongs to) and checks that they stack on floors, top to bottom.

The module (the default side), one folder a floor:

  plugin/   entry point, dispatch, lifecycle, menus, notifiers
  panel/    the panel and its dialogs
  commands/ the text attribute commands
  text/     the text-engine wrappers and selection access
  base/     suites table, trace, error codes, exceptions, the boundary helper
  sdk/      the host interface

The host: host/ itself (main.cpp); cli/; app/, which makes the parts into the host, and
validate/, the checks that run the host as child processes; prefs/ and draw/ (the page drawn
and dumped); compose/ (the stories set into their frames); engine/, menus/ and adm/;
services/; loader/ and inspect/; resources/; core/; then sdk/.
Folders on one floor are independent of one another.

A file may include files of its own folder or of a folder on a lower floor, and nothing of
the other side: module and host meet only in sdk/. In the module, no circle runs between the
files of one folder either; a file and its header (same name, .h and .cpp) count as one unit.

Prints the folder graph, then each fault as FILE:LINE: message. Exit status: 0 when the
folders stack, 1 when an include runs upward or sideways, leaves the side or closes a
circle, 2 for bad usage.

  --side    the side to check: module (default) or host
  --dot     print the folder graph in Graphviz's DOT language instead of as text
  -h, --help  print this help
EOF
}

format=text
side=module
root=""
while (($#)); do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --dot) format=dot ;;
    --side)
      side="${2:-}"
      shift
      ;;
    --side=*) side="${1#--side=}" ;;
    -*) echo "check-layers: unknown option '$1' (see --help)" >&2; exit 2 ;;
    *)
      if [[ -n "$root" ]]; then
        echo "check-layers: one ROOT only, got '$root' and '$1'" >&2
        exit 2
      fi
      root="$1"
      ;;
  esac
  shift
done
root="${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

# Each side's floors, bottom to top; the folders of one floor are separated by commas.
case "$side" in
  module) floors=(sdk base text commands panel plugin) ;;
  host)
    floors=(sdk host/core host/resources host/loader,host/inspect host/services
            host/engine,host/menus,host/adm host/compose host/prefs,host/draw
            host/app,host/validate host/cli host)
    ;;
  *) echo "check-layers: --side is module or host, not '$side'" >&2; exit 2 ;;
esac
for floor in "${floors[@]}"; do
  IFS=, read -ra on_floor <<<"$floor"
  for folder in "${on_floor[@]}"; do
    if [[ ! -d "$root/$folder" ]]; then
      echo "check-layers: $root has no folder $folder/: not the project's tree?" >&2
      exit 2
    fi
  done
done
# The folders whose files are read: each side's top folders (host/ holds all of its floors).
case "$side" in
  module) tops=(sdk base text commands panel plugin) ;;
  host) tops=(sdk host) ;;
esac

cd "$root"
{
  # Every file of the tree that an include could name, then every include line of the floors.
  find . -path ./.git -prune -o -type f -print | sed 's|^\./||; s|^|file |'
  grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
    "${tops[@]}" | sed 's|^|include |'
} | awk -v floors="${floors[*]}" -v side="$side" -v format="$format" '
# The folder on a floor that holds `path`, or its first folder when no floor holds it.
function folder_of(path,    dir) {
  for (dir = dir_of(path); dir != ""; dir = dir_of(dir)) if (dir in rank) return dir
  return substr(path, 1, index(path "/", "/") - 1)
}
function unit_of(path) { sub(/\.(h|cpp)$/, "", path); return path }
function dir_of(path) {
  if (index(path, "/") == 0) return ""
  sub(/\/[^\/]*$/, "", path)
  return path
}
function fault(text) { faults[++faultCount] = text }
# The path with its "." and ".." steps taken.
function normal(path,    n, step, i, out, kept) {
  n = split(path, step, "/")
  kept = 0
  for (i = 1; i <= n; ++i) {
    if (step[i] == "." || step[i] == "") continue
    if (step[i] == ".." && kept > 0) { --kept; continue }
    keep[++kept] = step[i]
  }
  out = ""
  for (i = 1; i <= kept; ++i) out = out (i > 1 ? "/" : "") keep[i]
  return out
}

# Depth-first search for a circle through `node` in graph `g` (edges g[a SUBSEP b]); the path
# so far is on the stack. Reports each circle once, by the node where it closes.
function visit(node, kind,    next_, key, i, text) {
  state[kind, node] = 1
  stack[++depth] = node
  for (key in edges) {
    split(key, part, SUBSEP)
    if (part[1] != kind || part[2] != node) continue
    next_ = part[3]
    if (state[kind, next_] == 1) {
      text = ""
      for (i = 1; i <= depth; ++i) if (stack[i] == next_) break
      for (; i <= depth; ++i) {
        text = text stack[i] " -> "
        via = via_of[kind, stack[i], (i < depth ? stack[i + 1] : next_)]
        lines = lines "\n    " via
      }
      fault("circle between " kind "s: " text next_ lines)
      lines = ""
    } else if (state[kind, next_] == 0) {
      visit(next_, kind)
    }
  }
  --depth
  state[kind, node] = 2
}

BEGIN {
  count = split(floors, floor, " ")
  for (i = 1; i <= count; ++i) {
    n = split(floor[i], on_floor, ",")
    for (j = 1; j <= n; ++j) rank[on_floor[j]] = i
  }
}

$1 == "file" { exists[substr($0, 6)] = 1; next }

$1 == "include" {
  line = substr($0, 9)
  # FILE:LINE:#include "NAME"
  file = line; sub(/:.*/, "", file)
  number = line; sub(/^[^:]*:/, "", number); sub(/:.*/, "", number)
  name = line; sub(/^[^"]*"/, "", name); sub(/".*/, "", name)
  where = file ":" number ": "

  # The compiler looks beside the including file first, then in the roots: the tree, sdk/.
  if (normal(dir_of(file) "/" name) in exists) target = normal(dir_of(file) "/" name)
  else if (normal(name) in exists) target = normal(name)
  else if (normal("sdk/" name) in exists) target = normal("sdk/" name)
  else { fault(where "includes \"" name "\", which is no file of the tree"); next }

  from = folder_of(file); to = folder_of(target)
  if (!(to in rank)) {
    fault(where "includes \"" name "\": " to "/ is not part of the " side)
    next
  }
  if (rank[to] > rank[from]) {
    fault(where "includes \"" name "\": " from "/ lies below " to "/, so this include runs upward")
  } else if (rank[to] == rank[from] && to != from) {
    fault(where "includes \"" name "\": " from "/ and " to "/ share a floor and are independent")
  }
  if (from != to) {
    arrows[from, to]++
    if (!(("folder", from, to) in via_of)) via_of["folder", from, to] = where "#include \"" name "\""
    edges["folder", from, to] = 1
  } else if (side == "module" && unit_of(file) != unit_of(target)) {
    key = "file" SUBSEP unit_of(file) SUBSEP unit_of(target)
    if (!(key in via_of)) via_of[key] = where "#include \"" name "\""
    edges[key] = 1
  }
  next
}

END {
  for (key in edges) {
    split(key, part, SUBSEP)
    if (!((part[1], part[2]) in state)) { state[part[1], part[2]] = 0; nodes[part[1], part[2]] = 1 }
    if (!((part[1], part[3]) in state)) { state[part[1], part[3]] = 0; nodes[part[1], part[3]] = 1 }
  }
  for (key in nodes) {
    split(key, part, SUBSEP)
    if (state[part[1], part[2]] == 0) { depth = 0; visit(part[2], part[1]) }
  }

  # The folders top to bottom, in the order of the floors.
  shown = 0
  for (i = count; i >= 1; --i) {
    n = split(floor[i], on_floor, ",")
    for (j = 1; j <= n; ++j) folder[++shown] = on_floor[j]
  }
  if (format == "dot") {
    print "digraph " side " {"
    print "  rankdir=TB;"
    for (i = 1; i <= shown; ++i) print "  \"" folder[i] "/\";"
    for (i = 1; i <= shown; ++i)
      for (j = 1; j <= shown; ++j)
        if ((folder[i], folder[j]) in arrows)
          printf "  \"%s/\" -> \"%s/\" [label=\"%d\"%s];\n", folder[i], folder[j], \
                 arrows[folder[i], folder[j]], \
                 (rank[folder[j]] >= rank[folder[i]] ? ", color=red" : "")
    print "}"
  } else {
    print "Folders of the " side ", top to bottom; each arrow counts the #include lines it stands for:"
    for (i = 1; i <= shown; ++i) {
      text = ""
      for (j = 1; j <= shown; ++j)
        if ((folder[i], folder[j]) in arrows)
          text = text (text == "" ? "" : ", ") folder[j] "/ (" arrows[folder[i], folder[j]] ")" \
                 (rank[folder[j]] > rank[folder[i]] ? " UPWARD" : \
                  rank[folder[j]] == rank[folder[i]] ? " SIDEWAYS" : "")
      printf "  %-16s -> %s\n", folder[i] "/", (text == "" ? "nothing" : text)
    }
  }

  if (faultCount == 0) {
    print "The folders of the " side " stack: no include runs upward or sideways, no circle." > "/dev/stderr"
    exit 0
  }
  for (i = 1; i <= faultCount; ++i) print faults[i] > "/dev/stderr"
  printf "%d fault(s): the %s does not stack.\n", faultCount, side > "/dev/stderr"
  exit 1
}'
