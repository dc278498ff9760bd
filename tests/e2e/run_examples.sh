#!/usr/bin/env bash
# End to end: installs plix from a build tree into a temporary prefix,
# builds every example with plix itself, runs each program under Wine and
# compares its standard output with the example's .expected file.
#   run_examples.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
for tool in wine Xvfb i686-w64-mingw32-g++; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
tmp=$(mktemp -d)
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/plix" >/dev/null || { echo "install failed"; exit 1; }
for f in bin/plix bin/AppIcon.res BasicInclude/qztypes.h BasicInclude/quillkit.h BasicInclude/Quillkit.BAS \
         BasicLibs/libKelbrun.a BasicLibs/libQuillkit.a; do
  [ -e "$tmp/plix/$f" ] || { echo "the installation lacks $f"; exit 1; }
done
cp -R "$root/examples" "$tmp/work"
cd "$tmp/work"
wine_env_start

failed=0
passed=0
for expected in *.expected; do
  name=${expected%.expected}
  "$tmp/plix/bin/plix" "$name.bas" > "$name.log" 2>&1
  if grep -q -E "error|compile aborted" "$name.log" || [ ! -e "$name.exe" ]; then
    echo "FAIL $name: did not build"; cat "$name.log"; failed=$((failed + 1)); continue
  fi
  wine_run "./$name.exe" > "$name.out"
  if cmp -s "$name.out" "$expected"; then
    passed=$((passed + 1))
  else
    echo "FAIL $name: output differs (expected, actual)"; diff "$expected" "$name.out"; failed=$((failed + 1))
  fi
done

# The library example: the modules it uses are archived into mylib.lib.
"$tmp/plix/bin/plix" mylib.bas -l > mylib.log 2>&1
if i686-w64-mingw32-nm -C mylib.lib 2>/dev/null | grep -q "T Counter::Increment()"; then
  passed=$((passed + 1))
else
  echo "FAIL mylib: no library with Counter::Increment"; cat mylib.log; failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
