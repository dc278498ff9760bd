#!/usr/bin/env bash
# Reads the resources of bounce.exe: the icon group must be named IDI_ICON0
# and hold a 32x32 and a 16x16 image, each of 256 colours (8 bits per pixel),
# both in the group's directory and in the images it points to.
#
# usage: check_icon.sh path/to/bounce.exe
set -uo pipefail

exe=${1:?usage: check_icon.sh bounce.exe}
fail() {
    echo "FAIL: $*"
    exit 1
}
command -v wrestool >/dev/null || fail "wrestool (icoutils) is not installed"
[ -f "$exe" ] || fail "no $exe"

# Little-endian unsigned integer of $3 bytes at offset $2 of file $1.
le() {
    local bytes value=0 i
    read -r -a bytes <<<"$(od -A n -t u1 -j "$2" -N "$3" "$1")"
    for ((i = ${#bytes[@]} - 1; i >= 0; i--)); do value=$((value * 256 + bytes[i])); done
    echo "$value"
}

groups=$(wrestool -l --type=group_icon "$exe")
echo "$groups"
[ "$(grep -c . <<<"$groups")" -eq 1 ] || fail "expected exactly one icon group"
grep -q -- "--name='IDI_ICON0'" <<<"$groups" || fail "the icon group is not named IDI_ICON0"

work=$(mktemp -d "${TMPDIR:-/tmp}/bounce-icon.XXXXXX")
trap 'rm -rf "$work"' EXIT
group=$work/group
wrestool -x --raw --type=group_icon --name=IDI_ICON0 "$exe" >"$group" || fail "cannot extract IDI_ICON0"
[ "$(le "$group" 2 2)" -eq 1 ] || fail "IDI_ICON0 is not an icon directory"
count=$(le "$group" 4 2)
[ "$count" -eq 2 ] || fail "IDI_ICON0 has $count images, expected 2"

sizes=()
for ((i = 0; i < count; i++)); do
    entry=$((6 + 14 * i))
    w=$(le "$group" "$entry" 1)
    h=$(le "$group" $((entry + 1)) 1)
    bits=$(le "$group" $((entry + 6)) 2)
    id=$(le "$group" $((entry + 12)) 2)
    [ "$bits" -eq 8 ] || fail "directory entry $i: $bits bits per pixel, expected 8"

    # The image itself: a BITMAPINFOHEADER of twice the height (colour and
    # mask), 8 bits per pixel, a palette of 256 colours (0 counts as full).
    image=$work/image$id
    wrestool -x --raw --type=icon --name="$id" "$exe" >"$image" || fail "cannot extract icon image $id"
    [ "$(le "$image" 0 4)" -eq 40 ] || fail "icon image $id is not a bitmap"
    iw=$(le "$image" 4 4)
    ih=$(le "$image" 8 4)
    ibits=$(le "$image" 14 2)
    used=$(le "$image" 32 4)
    [ "$used" -eq 0 ] && used=$((1 << ibits))
    echo "image $id: directory ${w}x${h} ${bits} bits; bitmap ${iw}x$((ih / 2)) ${ibits} bits, $used colours"
    [ "$iw" -eq "$w" ] && [ "$ih" -eq $((2 * h)) ] || fail "icon image $id does not match its directory entry"
    [ "$ibits" -eq 8 ] && [ "$used" -eq 256 ] || fail "icon image $id is not of 256 colours"
    sizes+=("${w}x${h}")
done

sorted=$(printf '%s\n' "${sizes[@]}" | sort | tr '\n' ' ')
[ "$sorted" = "16x16 32x32 " ] || fail "image sizes are ${sorted}, expected 32x32 and 16x16"
echo "PASS"
