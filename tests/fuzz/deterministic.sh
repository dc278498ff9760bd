#!/usr/bin/env bash
# The same input gives the same bytes on every run: converts every example,
# test program and golden input twice, each time in a fresh folder (and so at
# other addresses), and compares every file the two runs leave.
#   deterministic.sh PLIX ROOT
set -u
plix=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0 count=0
for dir in "$root"/examples "$root"/tests/programs "$root"/tests/cli/*/work; do
  for input in "$dir"/*.bas; do
    [ -f "$input" ] || continue
    count=$((count + 1))
    for run in a b; do
      rm -rf "$tmp/$run" && cp -R "$dir" "$tmp/$run"
      (cd "$tmp/$run" && timeout 60 "$plix" "$(basename "$input")" -c >stdout.txt 2>&1)
      status=$?
      if [ $status -gt 1 ] || ! grep -q '^parsing ' "$tmp/$run/stdout.txt"; then
        echo "FAIL: $input did not convert (status $status)"
        failed=1
      fi
    done
    if ! diff -r "$tmp/a" "$tmp/b" >"$tmp/diff"; then
      echo "FAIL: $input gives other bytes on a second run:"
      head -20 "$tmp/diff"
      failed=1
    fi
  done
done
echo "$count inputs converted twice"
[ "$count" -gt 0 ] || failed=1
exit $failed
