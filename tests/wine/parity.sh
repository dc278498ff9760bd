#!/usr/bin/env bash
# The same lines under Wine as natively: programs of tests/programs/ that
# the native runs check against their NAME.expected (windows, controls and
# pixels kept in memory) are built with plix and run under Wine with
# Kelbrun, and must print those very lines. Only programs that end by
# themselves under Windows too are listed (natively a program also ends
# when no timer is left, and a dialog nobody answers is cancelled).
#   parity.sh BUILD_DIR
set -u
programs="memgui_controls memgui_msgbox shapes"
. "$(dirname "$0")/build_programs.sh"
wine_build_programs "$1" "$(dirname "$0")/../programs" $programs
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
