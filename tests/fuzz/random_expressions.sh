#!/usr/bin/env bash
# Programs of random expressions (random_expressions.py, deterministic
# seeds) through plix: every run ends by itself with status 0 or 1, and the
# C++ of every program plix accepts compiles with the MinGW compiler. Most
# of them must be accepted, or the check would check nothing.
#   random_expressions.sh PLIX INCLUDE_DIR [COUNT]
set -u
plix=$1
include=$2
count=${3:-60}
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
accepted=0
failed=0
for seed in $(seq 1 "$count"); do
  python3 "$here/random_expressions.py" "$seed" > prog.bas
  rm -f prog.cpp
  timeout 20 "$plix" prog.bas -c > out.txt 2> err.txt
  status=$?
  if [ "$status" -gt 1 ] || [ -s err.txt ]; then
    echo "seed $seed: plix status $status"; head -5 err.txt; failed=$((failed + 1)); continue
  fi
  grep -q 'error' out.txt && continue
  accepted=$((accepted + 1))
  if ! i686-w64-mingw32-g++ -fsyntax-only -fpermissive -w -I"$include" prog.cpp > gpp.txt 2>&1; then
    echo "seed $seed: plix accepted it, g++ refuses:"; grep -m3 error gpp.txt
    failed=$((failed + 1))
  fi
done
echo "$count programs, $accepted accepted, $failed failed"
[ "$failed" -eq 0 ] && [ $((accepted * 2)) -ge "$count" ]
