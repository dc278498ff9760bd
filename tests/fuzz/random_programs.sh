#!/usr/bin/env bash
# Feeds plix programs of random tokens (deterministic seeds) and checks that
# every run ends by itself, with status 0 or 1 and nothing on standard
# error: no crash, no hang, no sanitizer report, whatever the input.
#   random_programs.sh PLIX [COUNT]
set -u
plix=$1
count=${2:-150}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
printf 'DIM shared AS Long\n' > Quillkit.BAS

words=(IF THEN ELSE WHILE WEND FOR TO STEP NEXT SELECT CASE END FUNCTION DIM AS Long String TYPE
  CONST DEFINE DECLARE ALIAS LIB PROPERTY GET SET CLASS EXTENDS PUBLIC PRIVATE STATIC NEW NOTHING
  CLASSCAST ADDRESSOF PTR BYREF USINGRESOURCE EXIT x y n s pt obj f Main Print Str Len sizeof
  "(" ")" "," "." "=" "<" ">" "+" "-" "*" "/" "^" "[" "]" OR AND NOT "&" "&H1F" 1 42 0 2.5
  '"txt"' "'c" THIS Point Shape ":" "#" "\\")
header='TYPE Point
	x AS Long
	nested AS Point
END TYPE
DIM x AS Long
DIM s AS String
DIM pt AS Point
DIM arr(5) AS Long
FUNCTION f(a AS Long) AS Long
END FUNCTION
'

failed=0
for seed in $(seq 1 "$count"); do
  RANDOM=$seed
  {
    printf '%s' "$header"
    (( RANDOM % 4 )) && printf 'FUNCTION Main()\n'
    for _ in $(seq 1 40); do
      line=""
      for _ in $(seq 0 $((RANDOM % 12))); do line+="${words[RANDOM % ${#words[@]}]} "; done
      printf '%s\n' "$line"
    done
    case $((RANDOM % 5)) in
      0) printf 'x = %s\n' "$(printf 'f(%.0s' $(seq 1 3000))" ;;
      1) printf 'IF %sx\n' "$(printf '(%.0s' $(seq 1 3000))" ;;
      2) printf 'x = arr(%s\n' "$(printf 'arr(%.0s' $(seq 1 2000))" ;;
      3) printf 'pt%s = 1\n' "$(printf '.nested%.0s' $(seq 1 2000))" ;;
    esac
    (( RANDOM % 2 )) && printf 'END FUNCTION'
  } > prog.bas
  timeout 20 "$plix" prog.bas -c > out.txt 2> err.txt < /dev/null
  status=$?
  if { [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; } || [ -s err.txt ]; then
    echo "seed $seed: status $status"
    head -n 20 err.txt
    cp prog.bas "/tmp/plix-fuzz-seed-$seed.bas"
    failed=$((failed + 1))
  fi
done
echo "$((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
