#!/usr/bin/env bash
# A USING module that only the installation holds, in its BasicInclude
# beside bin, is found by plix.exe run from the unpacked distribution through
# its Windows path (C:\plix\bin\plix.exe), whatever the letter case of the
# stored file name; the conversion gives the Linux build's files. Without
# the module the run stops with status 1 as it does on Linux.
#   modules.sh BUILD_DIR
. "$(dirname "$0")/wine-plix.sh"
plix_windows_setup "$1"
failed=0
install_dist "$WINEPREFIX/drive_c"
mkdir -p "$TMP/linux/bin" "$TMP/linux/BasicInclude" "$TMP/work"
cp "$LINUX_PLIX" "$TMP/linux/bin/"
cp "$BUILD"/BasicInclude/* "$TMP/linux/BasicInclude/"

# Stored as Twice.Bas: plix asks for TWICE.BAS.
module=$'\' Twice: an API module that lives in BasicInclude only.\nINTERFACEAPI\n\nFUNCTION Twice(n AS Long) AS Long\n\tTwice = n + n\nEND FUNCTION\n'
printf '%s' "$module" > "$WINEPREFIX/drive_c/plix/BasicInclude/Twice.Bas"
printf '%s' "$module" > "$TMP/linux/BasicInclude/Twice.Bas"
printf '%s' $'USING Twice\n\nFUNCTION Main()\n\tPrint(Str(Twice(21)))\nEND FUNCTION\n' > "$TMP/work/prog.bas"
cp -R "$TMP/work" "$TMP/work.linux"
[ "$(windows_path "$WINEPREFIX/drive_c/plix/bin/plix.exe")" = 'C:\plix\bin\plix.exe' ] ||
  { echo "FAIL: the distribution is not at C:\\plix"; exit 1; }

(cd "$TMP/work" && timeout 120 wine 'C:\plix\bin\plix.exe' prog.bas -c 2>/dev/null | tr -d '\r') > "$TMP/windows.log"
(cd "$TMP/work.linux" && "$TMP/linux/bin/plix" prog.bas -c) > "$TMP/linux.log"
cat "$TMP/windows.log"
grep -qx "converting module: TWICE.BAS" "$TMP/windows.log" || { echo "FAIL: TWICE.BAS not converted"; failed=1; }
[ -s "$TMP/work/TWICE.h" ] || { echo "FAIL: no TWICE.h"; failed=1; }
cmp -s "$TMP/linux.log" "$TMP/windows.log" || { echo "FAIL: the console differs from Linux"; diff "$TMP/linux.log" "$TMP/windows.log"; failed=1; }
diff -r "$TMP/work.linux" "$TMP/work" || { echo "FAIL: other files than on Linux"; failed=1; }

# The same without the module: the stop of a missing module, status 1.
rm "$WINEPREFIX/drive_c/plix/BasicInclude/Twice.Bas" "$TMP/linux/BasicInclude/Twice.Bas"
(cd "$TMP/work" && timeout 120 wine 'C:\plix\bin\plix.exe' prog.bas -c 2>/dev/null | tr -d '\r'; exit "${PIPESTATUS[0]}") > "$TMP/missing.log"
status=$?
tail -n 1 "$TMP/missing.log"
[ "$status" -eq 1 ] || { echo "FAIL: status $status without the module"; failed=1; }
grep -qx "Parse1,unable to open input file: TWICE.BAS" "$TMP/missing.log" || { echo "FAIL: no stop message"; failed=1; }
(cd "$TMP/work.linux" && "$TMP/linux/bin/plix" prog.bas -c) > "$TMP/missing.linux.log"
cmp -s "$TMP/missing.linux.log" "$TMP/missing.log" || { echo "FAIL: the stop differs from Linux"; failed=1; }
exit "$failed"
