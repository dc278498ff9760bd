#!/usr/bin/env bash
# The main job: plix translates examples/hello.bas and builds hello.exe with
# the MinGW tools, then the program runs under Wine in a virtual X server.
# Where this host cannot run 32-bit programs, and so not Wine, the generated
# C++ is compiled for the host instead (tests/native/native.sh) and runs
# natively; hello.exe is built all the same.
#   demo.sh [BUILD_DIR [WORK_DIR]]     (defaults: build, BUILD_DIR/demo)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
demo=${2:-$build/demo}
rm -rf "$demo" && mkdir -p "$demo"
demo=$(cd "$demo" && pwd)
cp "$root/examples/hello.bas" "$demo/"
cd "$demo"
"$build/bin/plix" hello.bas
[ -e hello.exe ] || { echo "plix did not build hello.exe"; exit 1; }
echo "== hello.cpp, as plix wrote it"
cat hello.cpp
if why=$(bash "$root/scripts/wine-probe.sh"); then
  . "$root/scripts/wine-env.sh"
  trap wine_env_stop EXIT
  echo "== starting Wine"
  wine_env_start
  echo "== hello.exe says"
  wine_run ./hello.exe
else
  . "$root/tests/native/native.sh"
  echo "== hello.cpp compiled for this host, with the portable parts of the support library"
  native_runtime "$demo"
  native_build "$demo" "$demo/hello.native"
  echo "== the program says"
  native_run "$demo/hello.native"
  echo "== this machine cannot run 32-bit Windows programs, so hello.exe itself is for Windows (or a Linux with Wine and 32-bit support): $why"
fi
