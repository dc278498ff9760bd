#!/usr/bin/env bash
# The table of names that collide in C++ (symbols/colliding_names.cpp) is
# what compiling finds today: the support headers or the compilers have not
# changed under it.
#   names_table_current.sh
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sed -n 's/^    "\([^"]*\)",$/\1/p' "$root/symbols/colliding_names.cpp" > "$tmp/table"
bash "$root/scripts/find-colliding-names.sh" > "$tmp/found" || { echo "FAIL: find-colliding-names.sh"; exit 1; }
if ! cmp -s "$tmp/table" "$tmp/found"; then
  echo "FAIL: symbols/colliding_names.cpp is out of date (table, found by compiling):"
  diff "$tmp/table" "$tmp/found" | head -n 40
  exit 1
fi
echo "$(wc -l < "$tmp/table") colliding names, as compiling finds them"
