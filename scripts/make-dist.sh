#!/usr/bin/env bash
# The Windows distribution: OUT/plix/ with the installation layout plix.exe
# expects, and OUT/plix.zip of it, from a build tree that `make build` made.
#   make-dist.sh [BUILD_DIR] [OUT_DIR]     (defaults: build, dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/dist}

files=(windows/bin/plix.exe bin/AppIcon.res BasicInclude/qztypes.h BasicInclude/quillkit.h
  BasicInclude/Quillkit.BAS BasicLibs/libKelbrun.a BasicLibs/libQuillkit.a)
for f in "${files[@]}"; do
  [ -f "$build/$f" ] || { echo "make-dist.sh: $build/$f is missing (make build first)" >&2; exit 1; }
done
command -v zip >/dev/null || { echo "make-dist.sh: zip is not installed (make deps)" >&2; exit 1; }

mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "$out/plix" "$out/plix.zip"
mkdir -p "$out/plix/bin" "$out/plix/BasicInclude" "$out/plix/BasicLibs" "$out/plix/examples"
cp "$build/windows/bin/plix.exe" "$build/bin/AppIcon.res" "$out/plix/bin/"
cp "$build"/BasicInclude/* "$out/plix/BasicInclude/"
cp "$build/BasicLibs/libKelbrun.a" "$build/BasicLibs/libQuillkit.a" "$out/plix/BasicLibs/"
cp "$root/README.md" "$out/plix/"
cp "$root"/examples/* "$out/plix/examples/"
(cd "$out" && zip -q -r -X plix.zip plix)
echo "$out/plix/ and $out/plix.zip"
