#!/usr/bin/env bash
# The distribution that make-dist.sh lays out and zips: the installation
# layout (bin/plix.exe, bin/AppIcon.res, BasicInclude/, BasicLibs/), the
# README and the examples, the zip holding the same files under plix/, and
# a plix.exe that needs no MinGW DLLs beside it.
#   dist.sh BUILD_DIR
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

bash "$root/scripts/make-dist.sh" "$build" "$tmp/out" > /dev/null || { echo "FAIL make-dist.sh"; exit 1; }
cd "$tmp/out"
for f in bin/plix.exe bin/AppIcon.res BasicInclude/qztypes.h BasicInclude/quillkit.h BasicInclude/Quillkit.BAS \
         BasicLibs/libKelbrun.a BasicLibs/libQuillkit.a README.md examples/hello.bas examples/hello.expected; do
  [ -s "plix/$f" ] || fail "plix/$f is missing"
done
cmp -s plix/bin/plix.exe "$build/windows/bin/plix.exe" || fail "bin/plix.exe is not the cross-built plix.exe"
diff -r "$root/examples" plix/examples > /dev/null || fail "examples/ differs from the repository's"
diff -r "$build/BasicInclude" plix/BasicInclude > /dev/null || fail "BasicInclude/ differs from the build's"
(cd plix && find . -type f | sort) > files
[ "$(wc -l < files)" -eq $((5 + $(ls "$build/BasicInclude" | wc -l) + $(ls "$root/examples" | wc -l))) ] ||
  { fail "other files than expected:"; cat files; }

# The zip unpacks to the same tree.
mkdir unpacked && unzip -q plix.zip -d unpacked || fail "plix.zip does not unpack"
diff -r plix unpacked/plix > /dev/null || fail "plix.zip holds other files than plix/"

# A 32-bit Windows console program that imports system DLLs only.
i686-w64-mingw32-objdump -p plix/bin/plix.exe > headers
grep -q "file format pei-i386" headers || fail "plix.exe is no 32-bit Windows program"
grep -q "^Subsystem.*(Windows CUI)" headers || fail "plix.exe is no console program"
dlls=$(sed -n 's/^\tDLL Name: //p' headers | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
[ "$dlls" = "KERNEL32.DLL MSVCRT.DLL " ] || fail "plix.exe imports $dlls"
[ "$failures" -eq 0 ] && echo "dist: $(wc -l < files) files; plix.exe imports $dlls"
[ "$failures" -eq 0 ]
