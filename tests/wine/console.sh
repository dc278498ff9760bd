#!/usr/bin/env bash
# Print and the console, under Wine. A GUI program started without standard
# output (as Explorer starts it; here by "wine start", which hands it no
# standard handles) opens a console at its first Print, and its lines show
# there. With its output going to a file or a pipe, Print writes there, byte
# for byte as it always has, and opens no console. The program, shown.bas,
# reports what it found into the file named by its argument.
#   console.sh BUILD_DIR
set -u
. "$(dirname "$0")/build_programs.sh"
wine_build_programs "$1" "$(dirname "$0")" shown
wine_env_start
cd "$tmp"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# run HOW REPORT: runs shown.exe (Wine fails to start a program now and
# then: up to three times, until it has reported); its output in REPORT.out.
run() {
  local how=$1 report=$2 attempt
  for attempt in 1 2 3; do
    rm -f "$report"
    case $how in
      nowhere) timeout 60 wine start /wait /unix "$tmp/shown.exe" "$(winepath -w "$tmp/$report")" > "$report.out" 2>/dev/null ;;
      file) timeout 60 wine shown.exe "$report" > "$report.out" 2>/dev/null ;;
      pipe) timeout 60 wine shown.exe "$report" 2>/dev/null | cat > "$report.out" ;;
    esac
    [ -s "$report" ] && return 0
  done
  return 1
}

# check HOW WANT: the report shown.exe wrote, and its standard output.
check() {
  local how=$1 want=$2
  if ! run "$how" "$how.txt"; then
    fail "$how: shown.exe wrote no report"; return
  fi
  [ "$(cat "$how.txt")" = "$want" ] || fail "$how: the report says \"$(cat "$how.txt")\", not \"$want\""
}

check nowhere "console window: 1, its first line: shown on a console"
printf 'shown on a console\r\nsecond line\r\n' > redirected.want
for how in file pipe; do
  check "$how" "console window: 0"
  cmp -s "$how.txt.out" redirected.want || { fail "$how: the output is not the two lines, byte for byte:"; od -c "$how.txt.out" | head; }
done
[ "$failures" -eq 0 ] && echo "no standard output: a console with the printed lines; redirected: the same bytes, no console"
[ "$failures" -eq 0 ]
