#!/usr/bin/env bash
# Runs one golden case against the real plix binary.
#   case/args          the arguments, one per line (may be empty)
#   case/work/         files placed in the working directory
#   case/include/      extra modules placed in the installation's BasicInclude
#   case/stdout        the exact expected standard output
#   case/status        the expected exit status (0 when missing)
#   case/bare_install  when present, the build's BasicInclude is not installed
#   case/expected/     files the run must leave in the working directory, byte for byte
#   case/absent        names of files the run must not leave there, one per line
#   case/fake_tools    when present, the MinGW tools are stand-ins that log their
#                      arguments to tools.log in the working directory; the
#                      tool it names, if any, fails
#   case/no_tools      when present, no tool can be found on the search path
#   case/compiles      when present, every generated .cpp must compile with the
#                      MinGW cross compiler against the support headers
# "@INSTALL@" in expected texts stands for the temporary installation folder.
# With PLIX_UPDATE_GOLDEN=1 the case's stdout and expected/ files are
# rewritten from this run (review the diff before committing it).
set -u
script_dir=$(cd "$(dirname "$0")" && pwd)
plix=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$tmp/install/bin" "$tmp/install/BasicInclude" "$tmp/work"
cp "$plix" "$tmp/install/bin/"
build_include="$(dirname "$plix")/../BasicInclude"
[ -d "$build_include" ] && [ ! -e "$case_dir/bare_install" ] && cp -R "$build_include/." "$tmp/install/BasicInclude/"
[ -d "$case_dir/include" ] && cp -R "$case_dir/include/." "$tmp/install/BasicInclude/"
[ -d "$case_dir/work" ] && cp -R "$case_dir/work/." "$tmp/work/"

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$case_dir/args"
fi

cd "$tmp/work"
if [ -e "$case_dir/fake_tools" ]; then
  export PATH="$script_dir/fake_tools:$PATH"
  export PLIX_TOOL_LOG="$tmp/work/tools.log"
  export PLIX_FAKE_TOOL_FAILS="$(head -n 1 "$case_dir/fake_tools")"
fi
launcher=()
if [ -e "$case_dir/no_tools" ]; then
  mkdir -p "$tmp/emptybin"
  launcher=(env PATH="$tmp/emptybin")
fi
"${launcher[@]}" "$tmp/install/bin/$(basename "$plix")" "${args[@]}" > "$tmp/stdout" 2> "$tmp/stderr" < /dev/null
status=$?

# Expected texts name the installation folder as @INSTALL@.
expand() { sed "s#@INSTALL@#$tmp/install/#g" "$1"; }
expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")

if [ "${PLIX_UPDATE_GOLDEN:-}" = 1 ]; then
  unexpand() { sed "s#$tmp/install/#@INSTALL@#g" "$1"; }
  unexpand "$tmp/stdout" > "$case_dir/stdout"
  if [ -d "$case_dir/expected" ]; then
    while IFS= read -r -d '' f; do
      rel=${f#"$case_dir/expected/"}
      [ -e "$tmp/work/$rel" ] && unexpand "$tmp/work/$rel" > "$f"
    done < <(find "$case_dir/expected" -type f -print0)
  fi
fi

failed=0
if ! cmp -s "$tmp/stdout" <(expand "$case_dir/stdout"); then
  echo "standard output differs (expected, actual):"
  diff <(expand "$case_dir/stdout" | cat -A) <(cat -A "$tmp/stdout")
  failed=1
fi
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi
if [ -s "$tmp/stderr" ]; then
  echo "standard error was not empty:"
  cat "$tmp/stderr"
  failed=1
fi
if [ -d "$case_dir/expected" ]; then
  while IFS= read -r -d '' f; do
    rel=${f#"$case_dir/expected/"}
    if ! cmp -s <(expand "$f") "$tmp/work/$rel"; then
      echo "generated file $rel differs (expected, actual):"
      diff <(expand "$f") "$tmp/work/$rel"
      failed=1
    fi
  done < <(find "$case_dir/expected" -type f -print0)
fi
if [ -f "$case_dir/absent" ]; then
  while IFS= read -r name; do
    [ -z "$name" ] && continue
    if [ -e "$tmp/work/$name" ]; then echo "file $name should not have been written"; failed=1; fi
  done < "$case_dir/absent"
fi
if [ -e "$case_dir/compiles" ]; then
  if ! command -v i686-w64-mingw32-g++ >/dev/null; then
    echo "i686-w64-mingw32-g++ is not installed"
    failed=1
  fi
  # Headers are included as the class and USING names spell them; Windows
  # ignores letter case, so every spelling of a generated header is offered.
  mkdir -p "$tmp/aliases"
  for h in "$tmp"/work/*.h; do
    [ -e "$h" ] || continue
    base=$(basename "$h" .h)
    lower=$(printf '%s' "$base" | tr 'A-Z' 'a-z')
    capital=$(printf '%s' "${lower:0:1}" | tr 'a-z' 'A-Z')${lower:1}
    for name in "$lower" "$capital" "$(printf '%s' "$base" | tr 'a-z' 'A-Z')"; do
      [ -e "$tmp/work/$name.h" ] || ln -sf "$h" "$tmp/aliases/$name.h"
    done
  done
  for f in "$tmp"/work/*.cpp; do
    [ -e "$f" ] || continue
    if ! i686-w64-mingw32-g++ -fsyntax-only -fpermissive -w -I"$tmp/install/BasicInclude" -I"$tmp/work" \
        -I"$tmp/aliases" "$f"; then
      echo "generated $(basename "$f") does not compile"
      failed=1
    fi
  done
fi
exit $failed
