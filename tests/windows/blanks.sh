#!/usr/bin/env bash
# Blanks in paths: plix.exe installed under C:\Program Files\plix, and a
# source named "my prog.bas". The printed command keeps its form (the paths
# unquoted); the command interpreter is given the blank-holding arguments
# quoted, so the tools get them whole: the programs build and run, and -s
# deletes "my prog.cpp" and neither "my" nor "prog.cpp".
#   blanks.sh BUILD_DIR
. "$(dirname "$0")/wine-plix.sh"
plix_windows_setup "$1"
fake_mingw
install_dist "$WINEPREFIX/drive_c/Program Files"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
plix_exe() {
  : > "$MINGW/calls"
  timeout 120 wine 'C:\Program Files\plix\bin\plix.exe' "$@" 2>/dev/null | tr -d '\r'
}
install='C:\Program Files\plix\'
options=' -mwindows -Wall -s -g2 -O0 -fno-rtti -fno-exceptions -fpermissive -w'

# build NAME SOURCE PROGRAM PRINTED CALLED: builds in a copy of examples/,
# checks the printed command, the line g++ got and the program's output.
build() {
  local name=$1 source=$2 program=$3 printed=$4 called=$5
  local before=$failures
  cp -R "$ROOT/examples" "$TMP/$name" && cd "$TMP/$name" || exit 1
  [ -e "$source" ] || cp "$name.bas" "$source"
  echo "not generated" > my
  echo "not generated" > prog.cpp
  plix_exe "$source" -s > "$TMP/$name.log"
  grep -qxF "Calling compiler: $printed" "$TMP/$name.log" ||
    { fail "$name: printed otherwise"; cat "$TMP/$name.log"; }
  grep -qxF "i686-w64-mingw32-g++: $called" "$MINGW/calls" ||
    { fail "$name: g++ got otherwise"; cat "$MINGW/calls"; }
  if [ -e "$program" ]; then
    wine_run "./$program" > "$TMP/$name.out"
    cmp -s "$TMP/$name.out" "$ROOT/examples/$name.expected" || { fail "$name: output differs"; cat "$TMP/$name.out"; }
  else
    fail "$name: no $program"; cat "$TMP/$name.log"
  fi
  [ -e "${source%.bas}.cpp" ] && fail "$name: -s left ${source%.bas}.cpp"
  [ "$(cat my prog.cpp)" = $'not generated\nnot generated' ] || fail "$name: -s deleted my or prog.cpp"
  [ "$failures" -eq "$before" ] && echo "$name: built from $source under ${install}bin, ran, sources deleted"
}

build hello hello.bas hello.exe \
  "g++ hello.cpp -L${install}BasicLibs -I${install}BasicInclude -lwsock32 -lKelbrun -lQuillkit ${install}bin\\AppIcon.res $options -ohello.exe" \
  "hello.cpp \"-L${install}BasicLibs\" \"-I${install}BasicInclude\" -lwsock32 -lKelbrun -lQuillkit \"${install}bin\\AppIcon.res\"$options -ohello.exe"

# Class modules too; and a source name with a blank.
build shapes shapes.bas shapes.exe \
  "g++ SHAPE.cpp SQUARE.cpp shapes.cpp -L${install}BasicLibs -I${install}BasicInclude -lwsock32 -lKelbrun -lQuillkit ${install}bin\\AppIcon.res $options -oshapes.exe" \
  "SHAPE.cpp SQUARE.cpp shapes.cpp \"-L${install}BasicLibs\" \"-I${install}BasicInclude\" -lwsock32 -lKelbrun -lQuillkit \"${install}bin\\AppIcon.res\"$options -oshapes.exe"
[ -e "$TMP/shapes/SHAPE.h" ] && fail "shapes: -s left SHAPE.h"

build strings "my prog.bas" "my prog.exe" \
  "g++ my prog.cpp -L${install}BasicLibs -I${install}BasicInclude -lwsock32 -lKelbrun -lQuillkit ${install}bin\\AppIcon.res $options -omy prog.exe" \
  "\"my prog.cpp\" \"-L${install}BasicLibs\" \"-I${install}BasicInclude\" -lwsock32 -lKelbrun -lQuillkit \"${install}bin\\AppIcon.res\"$options \"-omy prog.exe\""

# A library: the module's compile command holds the include folder too.
cp -R "$ROOT/examples" "$TMP/lib" && cd "$TMP/lib"
plix_exe mylib.bas -l > "$TMP/mylib.log"
grep -qxF "i686-w64-mingw32-g++: COUNTER.cpp \"-I${install}BasicInclude\" -O2 -fpermissive -w -DWIN32 -DNDEBUG -D_MBCS -D_LIB -c -o COUNTER.obj" "$MINGW/calls" ||
  { fail "mylib: g++ got otherwise"; cat "$MINGW/calls"; }
if i686-w64-mingw32-nm -C mylib.lib 2>/dev/null | grep -q "T Counter::Increment()"; then
  echo "mylib: archived under ${install}bin"
else
  fail "mylib: no library with Counter::Increment"; cat "$TMP/mylib.log"
fi
[ "$failures" -eq 0 ]
