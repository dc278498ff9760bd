#!/usr/bin/env bash
# The tests that run Windows programs, as a host that cannot run 32-bit
# programs sees them: a stand-in "wine" that fails as Wine's loader fails
# there ("Exec format error") comes first on the PATH. Each such test must
# still check what it can without Wine and end as skipped (status 77) with
# one line saying why; make demo must run hello natively and end with 0.
#   skip_path.sh BUILD_DIR
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"
cat > "$tmp/bin/wine" <<'WINE'
#!/bin/sh
echo "/usr/bin/wine: 42: exec: /usr/lib/wine/wine: Exec format error" >&2
exit 126
WINE
chmod +x "$tmp/bin/wine"
export PATH="$tmp/bin:$PATH"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# skipped NAME COMMAND...: status 77, and the last line the one reason.
skipped() {
  local name=$1
  shift
  "$@" > "$tmp/$name.log" 2>&1
  local status=$?
  local last
  last=$(tail -n 1 "$tmp/$name.log")
  if [ "$status" -ne 77 ] || [ "$(grep -c '^SKIPPED: ' "$tmp/$name.log")" -ne 1 ] ||
     [[ $last != "SKIPPED: "*"Exec format error"* ]]; then
    fail "$name: status $status, not skipped with its reason:"; cat "$tmp/$name.log"
  else
    echo "$name: $last"
  fi
}

skipped e2e bash "$root/tests/e2e/run_examples.sh" "$build"
grep -q '^built: .*hello' "$tmp/e2e.log" || fail "e2e: the examples were not built first"
skipped bounce bash "$root/tests/bounce/run_under_wine.sh" "$build/bounce/bounce.exe"
skipped windows bash "$root/tests/windows/banner.sh" "$build"
skipped console bash "$root/tests/wine/console.sh" "$build"
skipped pixels bash "$root/tests/wine/pixels.sh" "$build"
skipped input bash "$root/tests/wine/input.sh" "$build"
skipped parity bash "$root/tests/wine/parity.sh" "$build"

bash "$root/scripts/demo.sh" "$build" "$tmp/demo" > "$tmp/demo.log" 2>&1
status=$?
if [ "$status" -ne 0 ] || [ ! -e "$tmp/demo/hello.exe" ] ||
   ! grep -A1 -x "== the program says" "$tmp/demo.log" | grep -qx "Hello from plix" ||
   ! grep -q "^== this machine cannot run 32-bit Windows programs, so hello.exe itself is for Windows" "$tmp/demo.log"; then
  fail "demo: status $status:"; cat "$tmp/demo.log"
else
  echo "demo: hello.exe built, hello ran natively"
fi
[ "$failures" -eq 0 ]
