#!/usr/bin/env bash
# The whole Windows pipeline under Wine: plix.exe, unpacked from the
# distribution at C:\plix, runs its command lines through Wine's command
# interpreter, and they reach a MinGW tool chain (fake_mingw: batch files on
# the Wine PATH in front of the Linux cross tools). Every example is built
# with -s and run, its output compared with its .expected file; the command
# line that reached g++ is the printed one; -s left only the sources and the
# program. The library example is archived with ar, and a source in a
# subfolder loses its generated file, not a file of the same name here.
#   pipeline.sh BUILD_DIR
. "$(dirname "$0")/wine-plix.sh"
plix_windows_setup "$1"
fake_mingw
install_dist "$WINEPREFIX/drive_c"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

plix_exe() {  # ARGS...: C:\plix\bin\plix.exe, the console without CR
  : > "$MINGW/calls"
  timeout 120 wine 'C:\plix\bin\plix.exe' "$@" 2>/dev/null | tr -d '\r'
}

# The printed compile commands, as the g++ lines of $MINGW/calls show them.
printed_compiles() { sed -n 's/^Calling compiler: g++ /i686-w64-mingw32-g++: /p' "$1"; }

for expected in "$ROOT"/examples/*.expected; do
  name=$(basename "$expected" .expected)
  work=$TMP/$name
  before=$failures
  cp -R "$ROOT/examples" "$work"
  cd "$work"
  ls > "$TMP/$name.before"
  plix_exe "$name.bas" -s > "$TMP/$name.log"
  cp "$MINGW/calls" "$TMP/$name.calls"
  if [ ! -e "$name.exe" ]; then
    fail "$name: no $name.exe"; cat "$TMP/$name.log"; cat "$MINGW/calls"; continue
  fi
  if ! diff <(printed_compiles "$TMP/$name.log") <(grep '^i686-w64-mingw32-g++: ' "$MINGW/calls") > /dev/null ||
     [ "$(grep -c '^Calling compiler: ' "$TMP/$name.log")" -ne 1 ]; then
    fail "$name: g++ was given another command line than the printed one"
    cat "$TMP/$name.log" "$MINGW/calls"
  fi
  # One line per tool call: a line feed that reached a tool would give more.
  if grep -qv '^i686-w64-mingw32-' "$MINGW/calls"; then
    fail "$name: a command line reached its tool with a line feed in it"; cat -A "$MINGW/calls"
  fi
  # NAME.args: a GUI example drives itself and closes with "test".
  args=()
  [ -e "$name.args" ] && read -r -a args < "$name.args"
  wine_run "./$name.exe" "${args[@]}" > "$TMP/$name.out"
  cmp -s "$TMP/$name.out" "$expected" || { fail "$name: output differs"; diff "$expected" "$TMP/$name.out"; }
  # -s: the generated .cpp and .h files are gone, the sources are all there.
  left=$(ls | comm -3 "$TMP/$name.before" - | tr -d '\t' | grep -vx -e "$name.exe" -e Greeting.res)
  [ -z "$left" ] || fail "$name: after -s, these differ from the sources: $left"
  [ "$failures" -eq "$before" ] && echo "$name: built, ran, generated files deleted"
done

# hello's console, exactly: the command line ends with its own line feed.
cat > "$TMP/hello.want" <<'OUT'
plix - basic to c++
parsing hello.bas
converting module: hello.bas
converting module: Quillkit.BAS
compiling hello.cpp
Calling compiler: g++ hello.cpp -LC:\plix\BasicLibs -IC:\plix\BasicInclude -lwsock32 -lKelbrun -lQuillkit C:\plix\bin\AppIcon.res  -mwindows -Wall -s -g2 -O0 -fno-rtti -fno-exceptions -fpermissive -w -ohello.exe

OUT
cmp -s "$TMP/hello.want" "$TMP/hello.log" || { fail "hello: console"; diff "$TMP/hello.want" "$TMP/hello.log"; }

# The resource script went through windres.exe first, as its command reads.
head -n 1 "$TMP/resource.calls" | grep -qx 'i686-w64-mingw32-windres: Greeting.rc -O COFF -oGreeting.res' ||
  { fail "resource: no windres call before g++"; cat "$TMP/resource.calls"; }

# The library: COUNTER.obj compiled and archived into mylib.lib by ar.exe.
cp -R "$ROOT/examples" "$TMP/lib" && cd "$TMP/lib"
before=$failures
plix_exe mylib.bas -l > "$TMP/mylib.log"
grep -qx "creating: COUNTER.obj" "$TMP/mylib.log" || fail "mylib: no creating line"
grep -qx 'i686-w64-mingw32-ar: -r mylib.lib COUNTER.obj ' "$MINGW/calls" || { fail "mylib: no ar call"; cat "$MINGW/calls"; }
i686-w64-mingw32-nm -C mylib.lib 2>/dev/null | grep -q "T Counter::Increment()" ||
  { fail "mylib: no library with Counter::Increment"; cat "$TMP/mylib.log"; }
[ "$failures" -eq "$before" ] && echo "mylib: archived"

# A source in a subfolder: del removes sub\hello.cpp, not .\hello.cpp.
mkdir -p "$TMP/sub/sub" && cd "$TMP/sub"
cp "$ROOT/examples/hello.bas" sub/
echo "not generated" > hello.cpp
plix_exe sub/hello.bas -s > "$TMP/sub.log"
before=$failures
[ -e sub/hello.exe ] || { fail "sub: no sub/hello.exe"; cat "$TMP/sub.log"; }
[ -e sub/hello.cpp ] && fail "sub: sub/hello.cpp is still there"
[ "$(cat hello.cpp 2>/dev/null)" = "not generated" ] || fail "sub: -s deleted ./hello.cpp"
[ "$failures" -eq "$before" ] && echo "sub/hello.bas: built, sub/hello.cpp deleted, ./hello.cpp kept"
[ "$failures" -eq 0 ]
