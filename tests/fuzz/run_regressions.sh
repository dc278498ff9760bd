#!/usr/bin/env bash
# Runs every input the fuzzer once found faulty through the real binary
# (convert only), as the fuzz target does: the text after a line "@@" is the
# module SECOND.BAS, and Quillkit is the installed one. Each run must end by itself with status 0 or 1 and
# nothing on standard error (no crash, no sanitizer report).
#   run_regressions.sh PLIX DIR
set -u
plix=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0 count=0
for input in "$dir"/*.bas; do
  [ -f "$input" ] || continue
  count=$((count + 1))
  rm -rf "$tmp/work" && mkdir "$tmp/work"
  awk -v main="$tmp/work/prog.bas" -v second="$tmp/work/SECOND.BAS" '
    !split_seen && $0 == "@@" { split_seen = 1; next }
    { print > (split_seen ? second : main) }' "$input"
  [ -f "$tmp/work/prog.bas" ] || : > "$tmp/work/prog.bas"
  (cd "$tmp/work" && timeout 20 "$plix" prog.bas -c >"$tmp/out" 2>"$tmp/err")
  status=$?
  if { [ $status -ne 0 ] && [ $status -ne 1 ]; } || [ -s "$tmp/err" ]; then
    echo "FAIL: $(basename "$input"): status $status"
    head -20 "$tmp/err"
    failed=1
  fi
done
echo "$count fuzz regression inputs run"
exit $failed
