#!/usr/bin/env bash
# Runs bounce.exe under Wine in a virtual X server and checks two screenshots
# taken some ticks apart: each must show a white client area with one black
# disc of the size the client area calls for, wholly inside it, and the disc
# must have moved between them.
#
# usage: run_under_wine.sh path/to/bounce.exe
set -uo pipefail

exe=${1:?usage: run_under_wine.sh bounce.exe}

[ -f "$exe" ] || { echo "FAIL: no $exe"; exit 1; }
# What can be checked without running it: a 32-bit Windows GUI program
# (its icon is bounce.icon's part).
headers=$(i686-w64-mingw32-objdump -p "$exe" 2>&1)
grep -q "file format pei-i386" <<<"$headers" || { echo "FAIL: $exe is no 32-bit Windows program"; exit 1; }
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || { echo "FAIL: $exe is no GUI program"; exit 1; }
if ! why=$(bash "$(dirname "$0")/../../scripts/wine-probe.sh"); then
    echo "SKIPPED: bounce.exe not run under Wine: $why"
    exit 77
fi
for tool in Xvfb wineboot wineserver xwd convert; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/bounce-wine.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb_pid=""
watchdog_pid=""

cleanup() {
    [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null
    # Ends every Windows process of this private prefix, and nothing else.
    [ -d "$WINEPREFIX" ] && timeout 20 wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: timed out"; exit 1' TERM

# The whole run is bounded here, so that cleanup still runs when Wine hangs.
(
    sleep 170 &
    sleeper=$!
    trap 'kill $sleeper; exit 0' TERM
    wait $sleeper && kill -TERM $$
) >/dev/null 2>&1 &
watchdog_pid=$!

fail() {
    echo "FAIL: $*"
    exit 1
}

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -br 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(tr -d '[:space:]' <"$work/display")

echo "creating a Wine prefix on display $DISPLAY"
timeout 120 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -5 "$work/wineboot.log")"
timeout 60 wineserver -w || fail "wineserver did not settle"

wine "$exe" >"$work/bounce.log" 2>&1 &

# Prints, for the window's corner of the screen: the bounding box of the
# white pixels (the client area), the bounding box of the black pixels inside
# it (the disc) and the number of those black pixels, or "none".
analyse() {
    convert "$1" -crop 420x320+0+0 +repage -compress none ppm:- | awk '
        /^#/ { next }
        {
            for (i = 1; i <= NF; i++) {
                if (header < 4) { h[header++] = $i; continue }
                v[n++] = $i
            }
        }
        END {
            w = h[1]; ht = h[2]
            cx0 = w; cy0 = ht; cx1 = -1; cy1 = -1
            for (p = 0; p < w * ht; p++) {
                if (v[3*p] == 255 && v[3*p+1] == 255 && v[3*p+2] == 255) {
                    x = p % w; y = int(p / w)
                    if (x < cx0) cx0 = x; if (x > cx1) cx1 = x
                    if (y < cy0) cy0 = y; if (y > cy1) cy1 = y
                }
            }
            if (cx1 < 0) { print "none"; exit }
            dx0 = w; dy0 = ht; dx1 = -1; dy1 = -1; count = 0
            for (y = cy0; y <= cy1; y++) for (x = cx0; x <= cx1; x++) {
                p = y * w + x
                if (v[3*p] == 0 && v[3*p+1] == 0 && v[3*p+2] == 0) {
                    count++
                    if (x < dx0) dx0 = x; if (x > dx1) dx1 = x
                    if (y < dy0) dy0 = y; if (y > dy1) dy1 = y
                }
            }
            if (count == 0) { print "none"; exit }
            print cx0, cy0, cx1, cy1, dx0, dy0, dx1, dy1, count
        }'
}

# Takes a screenshot and checks it; on success sets disc_at to the disc's
# bounding box. Returns 2 when the picture is not ready yet or the disc is
# touching an edge (clipped there, so not measurable), 1 on a real fault.
shot=0
check_shot() {
    shot=$((shot + 1))
    local png=$work/shot$shot.png
    timeout 20 xwd -root -display "$DISPLAY" -silent | convert xwd:- "png:$png" || return 2
    local r
    r=$(analyse "$png")
    [ "$r" = none ] && return 2
    read -r cx0 cy0 cx1 cy1 dx0 dy0 dx1 dy1 count <<<"$r"
    local cw=$((cx1 - cx0 + 1)) ch=$((cy1 - cy0 + 1))
    local dw=$((dx1 - dx0 + 1)) dh=$((dy1 - dy0 + 1))
    # The window is 400x300 with a frame; its client area is a little smaller.
    if [ $cw -lt 300 ] || [ $cw -gt 400 ] || [ $ch -lt 200 ] || [ $ch -gt 300 ]; then
        echo "shot $shot: client area ${cw}x${ch} at ($cx0,$cy0) is not that of a 400x300 window"
        return 1
    fi
    # Wine's display has square pixels, so the radius is a twentieth of the
    # shorter side of the client area, whatever the aspect value.
    local shorter=$((cw < ch ? cw : ch))
    local radius=$((shorter / 20))
    local d=$((2 * radius))
    echo "shot $shot: client ${cw}x${ch} at ($cx0,$cy0); disc ${dw}x${dh} at ($dx0,$dy0), $count black pixels; expected diameter $d"
    # More black than one disc: trails of earlier copies, or a disc too big.
    if [ $dw -gt $((d + 1)) ] || [ $dh -gt $((d + 1)) ]; then
        echo "shot $shot: black area is ${dw}x${dh}, larger than one disc of ${d}x${d}"
        return 1
    fi
    # A disc touching an edge may be clipped there: not measurable.
    if [ $dx0 -le $cx0 ] || [ $dy0 -le $cy0 ] || [ $dx1 -ge $cx1 ] || [ $dy1 -ge $cy1 ]; then
        return 2
    fi
    if [ $dw -lt $((d - 1)) ] || [ $dh -lt $((d - 1)) ]; then
        echo "shot $shot: disc is ${dw}x${dh}, expected ${d}x${d} (within one pixel)"
        return 1
    fi
    # A disc fills about pi/4 of its box: less is a ring or fragments, more a
    # square or a stale copy beside it.
    local box=$((dw * dh))
    if [ $((count * 100)) -lt $((box * 70)) ] || [ $((count * 100)) -gt $((box * 87)) ]; then
        echo "shot $shot: $count black pixels in a ${dw}x${dh} box is not a disc"
        return 1
    fi
    disc_at="$dx0 $dy0 $dx1 $dy1"
    return 0
}

# The first good shot: Wine and the window may take a while to appear.
first=""
for _ in $(seq 60); do
    check_shot
    case $? in
    0) first=$disc_at; break ;;
    1) fail "first screenshot" ;;
    esac
    sleep 0.5
done
[ -n "$first" ] || fail "no measurable disc on screen after $shot screenshots; bounce said: $(cat "$work/bounce.log")"

# The second: some ticks later, at another place.
second=""
for _ in $(seq 20); do
    sleep 0.4
    check_shot
    case $? in
    0)
        if [ "$disc_at" != "$first" ]; then
            second=$disc_at
            break
        fi
        ;;
    1) fail "second screenshot" ;;
    esac
done
[ -n "$second" ] || fail "the disc did not move from $first"
echo "disc moved from ($first) to ($second)"
echo "PASS"
