#!/usr/bin/env bash
# Translates every BASIC program the project has (golden cases, examples,
# test programs, fuzz regressions, and any folders given) with two plix
# binaries and compares everything each run leaves: the generated files,
# the standard output and the exit status. For changes that must keep the
# output bytes (speed work, refactoring).
#   compare-outputs.sh OLD_PLIX NEW_PLIX [FOLDER...]
# Each binary needs its BasicInclude beside its bin/ folder, as a build has.
# Prints the programs whose runs differ and exits 1 when any does.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || { echo "usage: compare-outputs.sh OLD_PLIX NEW_PLIX [FOLDER...]" >&2; exit 2; }
old=$(realpath "$1") new=$(realpath "$2")
shift 2
folders=("$root"/tests/cli/*/work "$root"/examples "$root"/tests/programs "$root"/tests/fuzz/regressions "$@")

# One program: its folder's class and API modules (*.BAS) go beside it.
compare_one() {
  local old=$1 new=$2 file=$3 tmp side
  tmp=$(mktemp -d)
  for side in old new; do
    mkdir "$tmp/$side"
    cp "$(dirname "$file")"/*.BAS "$tmp/$side/" 2>/dev/null
    cp "$file" "$tmp/$side/prog.bas"
    local plix=$old
    [ "$side" = new ] && plix=$new
    (cd "$tmp/$side" && timeout 20 "$plix" prog.bas -c > stdout.txt 2>&1; echo "status $?" >> stdout.txt)
  done
  diff -r "$tmp/old" "$tmp/new" > /dev/null || echo "differs: $file"
  rm -rf "$tmp"
}
export -f compare_one

list=$(mktemp)
for folder in "${folders[@]}"; do
  [ -d "$folder" ] && find "$folder" -maxdepth 1 -type f -name '*.bas' >> "$list"
done
total=$(wc -l < "$list")
differing=$(xargs -a "$list" -d '\n' -P "$(nproc)" -I{} bash -c 'compare_one "$@"' _ "$old" "$new" {} | tee /dev/stderr | wc -l)
rm -f "$list"
echo "compare-outputs: $total programs, $differing differ"
[ "$differing" -eq 0 ]
