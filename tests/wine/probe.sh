#!/usr/bin/env bash
# The probe (scripts/wine-probe.sh) against one real Wine start: a small
# 32-bit Windows console program, run in a fresh Wine prefix, must print
# its line exactly where the probe says that Wine can run programs, and must
# not where it says it cannot. Passes on both kinds of host.
#   probe.sh
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: missing i686-w64-mingw32-g++"; exit 1; }
tmp=$(mktemp -d)
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$tmp"' EXIT

printf '#include <cstdio>\nint main() { std::puts("a Windows program ran"); return 0; }\n' > "$tmp/ran.cpp"
i686-w64-mingw32-g++ -static -O2 -o "$tmp/ran.exe" "$tmp/ran.cpp" || { echo "FAIL: ran.exe does not build"; exit 1; }

if why=$(bash "$root/scripts/wine-probe.sh"); then probe=can; else probe=cannot; fi
echo "probe: $probe${why:+ ($why)}"

real=cannot
if command -v wine >/dev/null && command -v Xvfb >/dev/null; then
  wine_env_start
  out=$(wine_run "$tmp/ran.exe")
  echo "real start: status $?, output \"$out\""
  [ "$out" = "a Windows program ran" ] && real=can
fi
echo "real start: $real"
[ "$probe" = "$real" ] || { echo "FAIL: the probe says $probe, a real start says $real"; exit 1; }
echo "the probe and a real start agree: $probe"
