#!/usr/bin/env bash
# A user's input through the message loop, under Wine: input.bas posts keys,
# typing, a drag and a close to its own controls, as Windows posts a user's,
# and prints what its handlers saw; the lines must be input.expected's.
#   input.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: missing i686-w64-mingw32-g++"; exit 1; }
tmp=$(mktemp -d)
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$tmp"' EXIT

cp "$root/tests/wine/input.bas" "$tmp/"
(cd "$tmp" && "$build/bin/plix" input.bas) > "$tmp/plix.log" 2>&1
[ -e "$tmp/input.exe" ] || { echo "FAIL: input.exe did not build"; cat "$tmp/plix.log"; exit 1; }
wine_or_skip "input.exe built, not run under Wine"
wine_env_start
cd "$tmp"
wine_run ./input.exe > input.out
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: input.exe ended with status $status"; cat input.out; exit 1; }
cmp -s input.out "$root/tests/wine/input.expected" ||
  { echo "FAIL: output differs (expected, actual)"; diff "$root/tests/wine/input.expected" input.out; exit 1; }
echo "keys, typing, a drag and the close box reached their handlers through the message loop"
