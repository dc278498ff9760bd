#!/usr/bin/env bash
# Drawing as it reaches the screen, under Wine: pixels.bas draws on a canvas
# and on its window, is covered by a second window that closes again, and
# then the X screen is read back (xwd, ImageMagick). The canvas's top left
# corner is found by its marker; from there the filled ellipse must show
# its colour, the outline and the line theirs, the canvas white wherever
# nothing was drawn, and the window's face around it.
#   pixels.sh BUILD_DIR
set -u
. "$(dirname "$0")/build_programs.sh"
wine_build_programs "$1" "$(dirname "$0")" pixels
for tool in xwd convert; do
  command -v $tool >/dev/null || { echo "FAIL: missing $tool"; exit 1; }
done
wine_env_start
cd "$tmp"

# Wine fails to start a program now and then: up to three tries, until it
# says that its windows are shown.
for attempt in 1 2 3; do
  rm -f done out.txt
  timeout 60 wine pixels.exe done > out.txt 2>/dev/null &
  program=$!
  for _ in $(seq 1 300); do
    grep -q shown out.txt 2>/dev/null && break
    kill -0 $program 2>/dev/null || break
    sleep 0.1
  done
  grep -q shown out.txt && break
  wait $program
done
grep -q shown out.txt || { echo "FAIL: pixels.exe never said its windows were shown"; cat out.txt; exit 1; }
xwd -root -silent > screen.xwd && convert screen.xwd screen.txt
touch done
wait $program
status=$?
[ -s screen.txt ] || { echo "FAIL: no screenshot"; exit 1; }

failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

[ "$status" -eq 0 ] || fail "pixels.exe ended with status $status"
[ "$(tr -d '\r' < out.txt | head -n 1)" = "on the canvas: 781EC8 FFFFFF" ] ||
  fail "PixelAt: $(head -n 1 out.txt)"

# The screenshot as text: "X,Y: (r,g,b)  #RRGGBB ...", row by row.
corner=$(grep -m 1 '#0AC81E' screen.txt | cut -d: -f1)
[ -n "$corner" ] || { echo "FAIL: the canvas's marker is not on the screen"; exit 1; }
x0=${corner%,*}
y0=${corner#*,}
colour() { grep -m 1 "^$(($1 + x0)),$(($2 + y0)):" screen.txt | grep -o '#[0-9A-F]\{6\}'; }
expect() {  # X Y COLOUR WHAT: the pixel at X, Y of the canvas
  local got
  got=$(colour "$1" "$2")
  [ "$got" = "$3" ] || fail "$4 at $1,$2: $got, not $3"
}
expect 3 3 '#0AC81E' "the marker"
expect 130 70 '#C81E78' "the filled ellipse's centre"
expect 100 70 '#C81E78' "the filled ellipse's left end"
expect 160 70 '#C81E78' "the filled ellipse's right end"
expect 101 51 '#FFFFFF' "the canvas in the filled ellipse's box corner"
expect 20 80 '#0000FF' "the outline's left end"
expect 40 80 '#FFFFFF' "the canvas inside the outline"
expect 10 140 '#FF8000' "the line's start"
expect 189 140 '#FF8000' "the line's end"
expect 5 100 '#FFFFFF' "the canvas where nothing was drawn"
expect 199 149 '#FFFFFF' "the canvas's last pixel"
expect 212 2 '#5A3C1E' "the square on the window"
face=$(colour 200 150)
[ -n "$face" ] && [ "$face" != '#FFFFFF' ] || fail "the window around the canvas: $face, not its face colour"
[ "$(colour 205 2)" = "$face" ] || fail "the window beside the square: $(colour 205 2), not $face"

[ "$failures" -eq 0 ] && echo "on the screen: the ellipse, outline, line and square in their colours, the canvas white around them"
[ "$failures" -eq 0 ]
