#!/usr/bin/env bash
# A user's input through the message loop, under Wine: input.bas posts keys,
# typing, a drag and a close to its own controls, as Windows posts a user's,
# and prints what its handlers saw; the lines must be input.expected's.
#   input.sh BUILD_DIR
set -u
. "$(dirname "$0")/build_programs.sh"
wine_build_programs "$1" "$(dirname "$0")" input
wine_env_start
cd "$tmp"
wine_run ./input.exe > input.out
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: input.exe ended with status $status"; cat input.out; exit 1; }
cmp -s input.out "$root/tests/wine/input.expected" ||
  { echo "FAIL: output differs (expected, actual)"; diff "$root/tests/wine/input.expected" input.out; exit 1; }
echo "keys, typing, a drag and the close box reached their handlers through the message loop"
