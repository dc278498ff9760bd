#!/usr/bin/env bash
# Generated programs run natively, on every host: each program NAME.bas that
# has a NAME.expected in the given folders is converted by plix -c in a copy
# of its folder, compiled by the host g++ under the sanitizers with the
# portable parts of the support library (tests/native/native.sh), run, and
# its standard output compared with NAME.expected; it must end with status
# 0, or with the status that NAME.status holds; NAME.args holds its
# arguments, if it takes any.
#   run_programs.sh PLIX FOLDER...
set -u
shopt -s nullglob
plix=$(realpath "$1")
shift
. "$(dirname "$0")/native.sh"

# Programs that need Windows itself, run by the Wine tests only:
#   winapi    calls user32 and kernel32 through DECLARE ... LIB
#   resource  reads its string table (USINGRESOURCE) with LoadStringA
# A program that keeps an address in a Long belongs here too: the host's
# addresses do not fit in 32 bits. (mylib is a library: it has no program.)
windows_only=" winapi resource "

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
native_runtime "$tmp" || { echo "FAIL: the native support library does not build"; exit 1; }

passed=0
failed=0
left_out=()
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
for folder in "$@"; do
  folder=$(realpath "$folder")
  for expected in "$folder"/*.expected; do
    name=$(basename "$expected" .expected)
    if [[ $windows_only == *" $name "* ]]; then
      left_out+=("$name")
      continue
    fi
    work=$tmp/$(basename "$folder")-$name
    cp -R "$folder" "$work"
    # What plix generates is all that gets compiled.
    rm -f "$work"/*.cpp
    (cd "$work" && "$plix" "$name.bas" -c) > "$work.log" 2>&1
    if grep -q -E "^Error in |:error: |compile aborted|unable to" "$work.log"; then
      fail "$name: plix reported errors"; cat "$work.log"; continue
    fi
    if ! native_build "$work" "$work/$name.native" > "$work.build" 2>&1; then
      fail "$name: the generated C++ does not compile natively"; head -n 40 "$work.build"; continue
    fi
    args=()
    [ -e "$folder/$name.args" ] && read -r -a args < "$folder/$name.args"
    native_run "$work/$name.native" "${args[@]}" > "$work.out" 2> "$work.err"
    status=$?
    want=0
    [ -e "$folder/$name.status" ] && want=$(cat "$folder/$name.status")
    if [ "$status" -ne "$want" ]; then
      fail "$name: ended with status $status"; head -n 40 "$work.err"
    elif ! cmp -s "$work.out" "$expected"; then
      fail "$name: output differs (expected, actual)"; diff "$expected" "$work.out"
    else
      passed=$((passed + 1))
    fi
  done
done
echo "$passed ran natively as expected, $failed failed; left to the Wine tests: ${left_out[*]:-none}"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
