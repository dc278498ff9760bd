#!/usr/bin/env bash
# plix.exe -c under Wine converts every example to the same files as the
# Linux build, byte for byte, and prints the same lines (CR LF aside). Each
# source is converted in a fresh copy of examples/, once with the sources as
# they are (LF) and once with CR LF line ends; both builds must give the LF
# result from either.
#   convert.sh BUILD_DIR
. "$(dirname "$0")/wine-plix.sh"
plix_windows_setup "$1"
cd "$TMP"
failed=0
mkdir lf crlf out
cp "$ROOT"/examples/* lf/
cp "$ROOT"/examples/* crlf/
for f in crlf/*.bas crlf/*.BAS; do sed -i 's/\r*$/\r/' "$f"; done
grep -q $'\r$' crlf/hello.bas && ! grep -q $'\r' lf/hello.bas || { echo "FAIL: the CR LF copy is not CR LF"; exit 1; }

# run SOURCE_DIR FILE OUT: plix -c on FILE in a copy of SOURCE_DIR, by both builds.
run() {
  local out=$3
  for build in linux windows; do
    cp -R "$1" "$out.$build"
    (
      cd "$out.$build" || exit 1
      if [ $build = linux ]; then "$LINUX_PLIX" "$2" -c; else wine_plix "$2" -c | tr -d '\r'; fi
    ) > "$out.$build.log"
  done
}

# The files a run added to its folder, with their contents compared.
compare() {  # WHAT EXPECTED_DIR ACTUAL_DIR SOURCE_DIR
  local what=$1
  [ -d "$3" ] || { echo "FAIL $what: no output folder"; failed=1; return; }
  if ! diff -r -q -x '*.bas' -x '*.BAS' "$2" "$3" > /dev/null; then
    echo "FAIL $what:"; diff -r -x '*.bas' -x '*.BAS' "$2" "$3" | head -n 30; failed=1
  fi
  if ! cmp -s "$2.log" "$3.log"; then
    echo "FAIL $what: the console differs"; diff "$2.log" "$3.log"; failed=1
  fi
}

count=0
for path in lf/*.bas lf/*.BAS; do
  file=${path#lf/}
  name=${file%.*}
  run lf "$file" "out/$name"
  run crlf "$file" "out/$name.crlf"
  # A source that converts adds at least one file; one that is empty of
  # output would compare equal on both sides.
  added=$(comm -13 <(ls lf) <(ls "out/$name.linux") | wc -l)
  if [ "$added" -eq 0 ]; then
    echo "FAIL $file: the Linux build generated nothing"; cat "out/$name.linux.log"; failed=1
  fi
  before=$failed
  compare "$file (plix.exe, LF)" "out/$name.linux" "out/$name.windows"
  compare "$file (plix, CR LF)" "out/$name.linux" "out/$name.crlf.linux"
  compare "$file (plix.exe, CR LF)" "out/$name.linux" "out/$name.crlf.windows"
  [ "$failed" = "$before" ] && echo "$file: $added files generated, the same from both builds and both line ends"
  count=$((count + 1))
done
[ "$count" -ge 10 ] || { echo "FAIL: only $count examples"; failed=1; }
exit "$failed"
