#!/usr/bin/env bash
# The main job: plix translates examples/hello.bas and builds hello.exe with
# the MinGW tools, then the program runs under Wine in a virtual X server.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
demo="$build/demo"
rm -rf "$demo" && mkdir -p "$demo"
cp "$root/examples/hello.bas" "$demo/"
cd "$demo"
"$build/bin/plix" hello.bas
echo "== hello.cpp, as plix wrote it"
cat hello.cpp
. "$root/scripts/wine-env.sh"
trap wine_env_stop EXIT
echo "== starting Wine"
wine_env_start
echo "== hello.exe says"
wine_run ./hello.exe
