#!/usr/bin/env bash
# Draws the module's folder graph from its #include lines and fails on any include that runs
# upward, on any circle between folders and on any circle between the files of one folder.
set -euo pipefail

usage() {
  cat <<'EOF'
Usage: scripts/check-layers.sh [--dot] [ROOT]

Reads every #include "..." line of the module's folders under ROOT (default: the tree this
script belongs to) and checks that they stack, top to bottom:

  plugin/  entry point, dispatch, lifecycle, menus, notifiers
  panel/   the panel and its dialogs
  commands/ the text attribute commands
  text/    the text-engine wrappers and selection access
  base/    suites table, trace, error codes, exceptions, the boundary helper
  sdk/     the host interface

A file may include files of its own folder or of a folder below it. A file and its header
(same name, .h and .cpp) count as one unit when circles between files are looked for.

Prints the folder graph, then each fault as FILE:LINE: message. Exit status: 0 when the
folders stack, 1 when an include runs upward, leaves the module or closes a circle, 2 for
bad usage.

  --dot     print the folder graph in Graphviz's DOT language instead of as text
  -h, --help  print this help
EOF
}

format=text
root=""
while (($#)); do
  case "$1" in
    -h | --help) usage; exit 0 ;;
    --dot) format=dot ;;
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

# Bottom to top.
floors=(sdk base text commands panel plugin)
for floor in "${floors[@]}"; do
  if [[ ! -d "$root/$floor" ]]; then
    echo "check-layers: $root has no folder $floor/: not the project's tree?" >&2
    exit 2
  fi
done

cd "$root"
{
  # Every file of the tree that an include could name, then every include line of the floors.
  find . -path ./.git -prune -o -type f -print | sed 's|^\./||; s|^|file |'
  grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
    "${floors[@]}" | sed 's|^|include |'
} | awk -v floors="${floors[*]}" -v format="$format" '
function folder_of(path) { return substr(path, 1, index(path, "/") - 1) }
function unit_of(path) { sub(/\.(h|cpp)$/, "", path); return path }
function dir_of(path) { sub(/\/[^\/]*$/, "", path); return path }
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
  for (i = 1; i <= count; ++i) rank[floor[i]] = i
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
    fault(where "includes \"" name "\": " to "/ is not part of the module")
    next
  }
  if (rank[to] > rank[from]) {
    fault(where "includes \"" name "\": " from "/ lies below " to "/, so this include runs upward")
  }
  if (from != to) {
    arrows[from, to]++
    if (!(("folder", from, to) in via_of)) via_of["folder", from, to] = where "#include \"" name "\""
    edges["folder", from, to] = 1
  } else if (unit_of(file) != unit_of(target)) {
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

  if (format == "dot") {
    print "digraph module {"
    print "  rankdir=TB;"
    for (i = count; i >= 1; --i) print "  \"" floor[i] "/\";"
    for (i = count; i >= 1; --i)
      for (j = count; j >= 1; --j)
        if ((floor[i], floor[j]) in arrows)
          printf "  \"%s/\" -> \"%s/\" [label=\"%d\"%s];\n", floor[i], floor[j], \
                 arrows[floor[i], floor[j]], (j > i ? ", color=red" : "")
    print "}"
  } else {
    print "Module folders, top to bottom; each arrow counts the #include lines it stands for:"
    for (i = count; i >= 1; --i) {
      text = ""
      for (j = count; j >= 1; --j)
        if ((floor[i], floor[j]) in arrows)
          text = text (text == "" ? "" : ", ") floor[j] "/ (" arrows[floor[i], floor[j]] ")" \
                 (j > i ? " UPWARD" : "")
      printf "  %-10s -> %s\n", floor[i] "/", (text == "" ? "nothing" : text)
    }
  }

  if (faultCount == 0) {
    print "The folders stack: no include runs upward, no circle." > "/dev/stderr"
    exit 0
  }
  for (i = 1; i <= faultCount; ++i) print faults[i] > "/dev/stderr"
  printf "%d fault(s): the module does not stack.\n", faultCount > "/dev/stderr"
  exit 1
}'
