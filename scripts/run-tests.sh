#!/usr/bin/env bash
# Runs every test of a build tree with ctest, then says how many were
# skipped and, for each, the one line it gave as its reason (tests that
# need to run Windows programs skip where this host cannot run Wine).
#   run-tests.sh BUILD_DIR JOBS
set -u
build=$1
jobs=${2:-2}
cd "$build" || exit 1
ctest --output-on-failure -j"$jobs"
status=$?
log=Testing/Temporary/LastTest.log
if [ -f "$log" ]; then
  reasons=$(awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 } /^SKIPPED: / { print "  " name ": " $0 }' "$log" | sort)
  count=$(grep -c . <<<"$reasons")
  echo "$count tests skipped in $build${reasons:+:}"
  [ -n "$reasons" ] && printf '%s\n' "$reasons"
fi
exit "$status"
