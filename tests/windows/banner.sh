#!/usr/bin/env bash
# plix.exe under Wine prints what the Linux build prints: the banner and the
# usage text without arguments, and the stop for a missing source file, with
# the same exit status. The program writes "\n"; the Windows console's text
# mode makes each one "\r\n", and nothing else may differ.
#   banner.sh BUILD_DIR
. "$(dirname "$0")/wine-plix.sh"
plix_windows_setup "$1"
cd "$TMP"
failed=0

# Every line feed of the Linux output, preceded by a carriage return.
check() {  # NAME ARGS...
  local name=$1
  shift
  "$LINUX_PLIX" "$@" > "$name.linux"
  local linux_status=$?
  wine_plix "$@" > "$name.windows"
  local windows_status=$?
  if grep -q $'\r' "$name.linux"; then
    echo "FAIL $name: the Linux build writes carriage returns"; failed=1
  fi
  sed 's/$/\r/' "$name.linux" > "$name.crlf"
  if ! cmp -s "$name.crlf" "$name.windows"; then
    echo "FAIL $name: plix.exe prints otherwise (expected, actual):"
    od -c "$name.crlf" | head -n 20
    od -c "$name.windows" | head -n 20
    failed=1
  fi
  if [ "$linux_status" != "$windows_status" ]; then
    echo "FAIL $name: exit status $windows_status under Wine, $linux_status on Linux"; failed=1
  fi
  echo "$name: status $windows_status, $(wc -l < "$name.windows") lines"
}

check usage
[ "$(head -n 1 usage.linux)" = "plix - basic to c++" ] || { echo "FAIL usage: no banner"; failed=1; }
[ "$(wc -l < usage.linux)" -eq 7 ] || { echo "FAIL usage: not 7 lines"; failed=1; }
check missing nothere.bas -c
grep -q "unable to open input file: nothere.bas" missing.linux || { echo "FAIL missing: no message"; failed=1; }

[ "$failed" -eq 0 ] && echo "banner and usage as on Linux, with CR LF line ends"
exit "$failed"
