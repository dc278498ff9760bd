#!/usr/bin/env bash
# Can this host run 32-bit Windows programs under Wine? Every script that
# runs a Windows program asks here. Exit status 0 when it can; otherwise 1,
# with one line on standard output saying why.
#
# Wine's loader is itself a 32-bit program: a kernel without 32-bit support
# refuses it ("Exec format error") before any Windows program is involved,
# so asking the loader for its version answers for the whole of Wine.
#   wine-probe.sh
command -v wine >/dev/null 2>&1 || {
  echo "wine is not installed (scripts/install-deps.sh installs it)"
  exit 1
}
out=$(timeout 30 wine --version 2>&1 </dev/null)
status=$?
if [ "$status" -ne 0 ]; then
  why=$(printf '%s\n' "$out" | grep -v '^[[:space:]]*$' | tail -n 1)
  echo "Wine's 32-bit loader does not run here (wine --version: status $status${why:+, \"$why\"})"
  exit 1
fi
exit 0
