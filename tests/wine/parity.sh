#!/usr/bin/env bash
# The same lines under Wine as natively: programs of tests/programs/ that
# the native runs check against their NAME.expected (windows, controls and
# pixels kept in memory) are built with plix and run under Wine with
# Kelbrun, and must print those very lines. Only programs that end by
# themselves under Windows too are listed (natively a program also ends
# when no timer is left, and a dialog nobody answers is cancelled).
#   parity.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
programs="memgui_controls shapes"
command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: missing i686-w64-mingw32-g++"; exit 1; }
tmp=$(mktemp -d)
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$tmp"' EXIT

cp "$root"/tests/programs/* "$tmp/"
for name in $programs; do
  (cd "$tmp" && "$build/bin/plix" "$name.bas") > "$tmp/$name.log" 2>&1
  [ -e "$tmp/$name.exe" ] || { echo "FAIL: $name.exe did not build"; cat "$tmp/$name.log"; exit 1; }
done
wine_or_skip "$programs built, not run under Wine"
wine_env_start
cd "$tmp"
failures=0
for name in $programs; do
  wine_run "./$name.exe" > "$name.out"
  if ! cmp -s "$name.out" "$name.expected"; then
    echo "FAIL $name: output differs (expected natively, under Wine)"; diff "$name.expected" "$name.out"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "under Wine as natively: $programs"
[ "$failures" -eq 0 ]
