#!/usr/bin/env bash
# Checks from the includes that the host's folders depend downward only: a folder includes
# folders on lower floors and none beside or above it, so there is no circle; no host file
# includes module code. With --graph, prints the folder graph the includes draw
# ("app -> adm 6": six includes) and checks nothing.
#
#   scripts/check-host-layers.sh [--graph] [HOST-FOLDER]    (default: host/ of this tree)
set -euo pipefail

# The floors, lowest first; folders on one floor are independent of one another. "." is the
# host folder itself (main.cpp).
floors=(
  "core"
  "resources"
  "loader inspect"
  "services"
  "engine menus adm"
  "prefs"
  "app"
  "cli"
  "."
)
# The module's folders, which the host never includes: they meet only in sdk/.
module_folders="plugin panel commands text base"

graph=false
if [[ ${1:-} == --graph ]]; then
  graph=true
  shift
fi
if [[ ${1:-} == -* ]]; then
  echo "usage: $0 [--graph] [HOST-FOLDER]" >&2
  exit 2
fi
root=${1:-$(dirname "$0")/../host}
if [[ ! -d $root ]]; then
  echo "$0: no folder $root" >&2
  exit 2
fi
cd "$root"

floor_of() {  # folder -> floor number, or nothing when it is on no floor
  local i
  for i in "${!floors[@]}"; do
    if [[ " ${floors[$i]} " == *" $1 "* ]]; then
      echo "$i"
      return
    fi
  done
}

# One line per include of a host or module file: FILE LINE FROM-FOLDER TARGET.
edges=$(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/' . |
  sed -E 's|^\./||; s|^([^:]+):([0-9]+):[^"]*"([^"]+)".*|\1 \2 \3|' |
  awk '{ from = $1; sub(/\/?[^\/]*$/, "", from); if (from == "") from = "."; print $1, $2, from, $3 }')

if $graph; then
  awk '$4 ~ /^host\// { to = $4; sub(/^host\//, "", to); sub(/\/?[^\/]*$/, "", to);
                        if (to == "") to = "."; if (to != $3) print $3 " -> " to }' <<<"$edges" |
    sort | uniq -c | awk '{ print $2, $3, $4, $1 }'
  exit 0
fi

faults=0
fault() {
  echo "host/$1:$2: $3" >&2
  faults=$((faults + 1))
}

while read -r file line from target; do
  [[ -n $file ]] || continue
  top=${target%%/*}
  if [[ " $module_folders " == *" $top "* ]]; then
    fault "$file" "$line" "includes module code ($target): host and module meet only in sdk/"
    continue
  fi
  [[ $top == host ]] || continue
  to=${target#host/}
  to=${to%/*}
  [[ $to == "${target#host/}" ]] && to=.
  [[ $to == "$from" ]] && continue
  from_floor=$(floor_of "$from")
  to_floor=$(floor_of "$to")
  if [[ -z $from_floor ]]; then
    fault "$file" "$line" "folder '$from' is on no floor of $0"
  elif [[ -z $to_floor ]]; then
    fault "$file" "$line" "includes $target, whose folder '$to' is on no floor of $0"
  elif ((to_floor == from_floor)); then
    fault "$file" "$line" "includes $target: '$from' and '$to' are on one floor and independent"
  elif ((to_floor > from_floor)); then
    fault "$file" "$line" "includes $target: '$from' may not depend on '$to', a floor above it"
  fi
done <<<"$edges"

layers=$(printf ' | %s' "${floors[@]}")
layers=${layers# | }
if ((faults > 0)); then
  echo "$faults include(s) break the host's layers (lowest first: $layers)" >&2
  exit 1
fi
echo "the host's folders depend downward only (lowest first: $layers)"
