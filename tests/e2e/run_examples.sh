#!/usr/bin/env bash
# End to end: installs plix from a build tree into a temporary prefix,
# builds every example with plix itself, runs each program under Wine and
# compares its standard output with the example's .expected file. On a host
# that cannot run Windows programs every example is still built, and the
# test then ends as skipped.
#   run_examples.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
command -v i686-w64-mingw32-g++ >/dev/null || { echo "missing i686-w64-mingw32-g++"; exit 1; }
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

failed=0
passed=0
built=()
for expected in *.expected; do
  name=${expected%.expected}
  "$tmp/plix/bin/plix" "$name.bas" > "$name.log" 2>&1
  if grep -q -E "error|compile aborted" "$name.log" || [ ! -e "$name.exe" ]; then
    echo "FAIL $name: did not build"; cat "$name.log"; failed=$((failed + 1)); continue
  fi
  built+=("$name")
done

# The library example: the modules it uses are archived into mylib.lib.
"$tmp/plix/bin/plix" mylib.bas -l > mylib.log 2>&1
if i686-w64-mingw32-nm -C mylib.lib 2>/dev/null | grep -q "T Counter::Increment()"; then
  passed=$((passed + 1))
else
  echo "FAIL mylib: no library with Counter::Increment"; cat mylib.log; failed=$((failed + 1))
fi

if [ "$failed" -ne 0 ]; then
  echo "$failed failed"
  exit 1
fi
echo "built: ${built[*]} and mylib.lib"
wine_or_skip "${#built[@]} examples built, not run under Wine"

wine_env_start
for name in "${built[@]}"; do
  # NAME.args: the program's arguments (a GUI example drives itself with "test").
  args=()
  [ -e "$name.args" ] && read -r -a args < "$name.args"
  wine_run "./$name.exe" "${args[@]}" > "$name.out"
  if cmp -s "$name.out" "$name.expected"; then
    passed=$((passed + 1))
  else
    echo "FAIL $name: output differs (expected, actual)"; diff "$name.expected" "$name.out"; failed=$((failed + 1))
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
