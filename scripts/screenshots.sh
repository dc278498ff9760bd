#!/usr/bin/env bash
# The pictures of docs/: examples counter and sketch under Wine, in a Wine
# desktop (which draws the window frames) on a virtual X server, used as a
# person would use them (scripts/xtest.py), each window cut out of the
# screen.
#   screenshots.sh BUILD_DIR [OUT_DIR]   (OUT_DIR: docs/)
# Without set -e: wine_env_stop, at the exit, goes on past a step that
# fails (a wineserver already stopped) and stops Xvfb too.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(cd "${2:-$root/docs}" && pwd) || exit 1
tmp=$(mktemp -d)
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$tmp"' EXIT
wine_or_skip "screenshots"
cp "$root/examples/counter.bas" "$root/examples/sketch.bas" "$tmp/"
(cd "$tmp" && "$build/bin/plix" counter.bas && "$build/bin/plix" sketch.bas) > "$tmp/plix.log" 2>&1 ||
  { cat "$tmp/plix.log"; exit 1; }
wine_env_start
# The caption buttons' symbols (Debian's fonts-wine), where Wine does not
# find them by itself.
[ -e /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
cd "$tmp"
xtest() { python3 "$root/scripts/xtest.py" "$@"; }

# start EXE TITLE CLIENT_WIDTH CLIENT_HEIGHT: runs the program in a Wine
# desktop and sets X, Y (the client area's top left on the screen) and the
# window's geometry (GEOMETRY, as xwininfo gives it).
start() {
  timeout 120 wine explorer /desktop=shot,800x600 "$1" > /dev/null 2>&1 &
  for _ in $(seq 1 100); do
    GEOMETRY=$(xwininfo -root -tree | grep "\"$2\":" | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -n 1) || true
    [ -n "$GEOMETRY" ] && break
    sleep 0.2
  done
  [ -n "$GEOMETRY" ] || { echo "no window \"$2\""; exit 1; }
  sleep 1
  local size=${GEOMETRY%%+*} at=${GEOMETRY#*+}
  local width=${size%x*} height=${size#*x} left=${at%+*} top=${at#*+}
  local border=$(((width - $3) / 2))
  X=$((left + border))
  Y=$((top + height - $4 - border))
}

shoot() {  # PNG: the window, from the screen
  sleep 1
  xwd -root -silent | convert xwd:- -crop "$GEOMETRY" +repage "$out/$1" || exit 1
  wineserver -k
  sleep 1
}

start counter.exe Counter 260 110
for _ in 1 2 3; do xtest click $((X + 50)) $((Y + 74)); done
shoot counter.png

start sketch.exe "Sketch pad" 400 320
xtest click $((X + 200)) $((Y + 150))
xtest key r
xtest drag 1 $((X + 40)),$((Y + 200)) $((X + 80)),$((Y + 120)) $((X + 120)),$((Y + 200)) $((X + 160)),$((Y + 120)) $((X + 200)),$((Y + 200))
xtest key b
xtest drag 3 $((X + 240)),$((Y + 60)) $((X + 300)),$((Y + 40)) $((X + 360)),$((Y + 80)) $((X + 330)),$((Y + 150)) $((X + 260)),$((Y + 130))
xtest key g
xtest drag 1 $((X + 230)),$((Y + 240)) $((X + 280)),$((Y + 200)) $((X + 330)),$((Y + 250)) $((X + 380)),$((Y + 210))
shoot sketch.png
echo "wrote $out/counter.png and $out/sketch.png"
