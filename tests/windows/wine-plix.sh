# Sourced by the tests of plix.exe under Wine.
#   plix_windows_setup BUILD_DIR   checks the tools, sets LINUX_PLIX, WINDOWS_PLIX,
#                                  ROOT and TMP (removed at exit), starts Wine;
#                                  the script ends after 480 s at most, or at
#                                  once as skipped where Wine cannot run
#   windows_path PATH              a Linux path as Wine's programs see it
#   install_dist FOLDER            unpacks the distribution zip into FOLDER
#   fake_mingw                     g++, windres.exe and ar.exe on the Wine PATH
#   wine_plix ARGS...              plix.exe ARGS, output as the console gives it
set -u
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

plix_windows_setup() {
  BUILD=$(cd "$1" && pwd)
  LINUX_PLIX=$BUILD/bin/plix
  WINDOWS_PLIX=$BUILD/windows/bin/plix.exe
  for tool in zip unzip i686-w64-mingw32-g++; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
  done
  for f in "$LINUX_PLIX" "$WINDOWS_PLIX"; do
    [ -x "$f" ] || { echo "missing $f"; exit 1; }
  done
  . "$ROOT/scripts/wine-env.sh"
  wine_or_skip "plix.exe not run under Wine"
  for tool in wineserver Xvfb; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
  done
  TMP=$(mktemp -d)
  trap 'kill "$WATCHDOG" 2>/dev/null; wine_env_stop; rm -rf "$TMP"' EXIT
  trap 'exit 1' TERM
  wine_env_start
  # Past the time limit Wine is stopped, which ends the Wine program being
  # waited for, and the script exits through its trap before ctest's
  # timeout would kill it with Wine and Xvfb still running.
  (
    trap 'kill "$pause" 2>/dev/null; exit 0' TERM
    sleep "${PLIX_WINE_TEST_SECONDS:-480}" </dev/null >/dev/null 2>&1 &
    pause=$!
    wait "$pause"
    echo "FAIL: out of time, stopping Wine"
    wineserver -k
    kill -TERM $$
  ) &
  WATCHDOG=$!
}

windows_path() {
  local p
  p=$(realpath -m "$1")
  local c
  c=$(realpath -m "$WINEPREFIX/drive_c")
  if [[ $p == "$c"/* ]]; then
    p="C:${p#"$c"}"
  else
    p="Z:$p"
  fi
  printf '%s' "${p//\//\\}"
}

# The zip that a user downloads, made by make-dist.sh from this build.
install_dist() {
  if [ ! -e "$TMP/dist/plix.zip" ]; then
    bash "$ROOT/scripts/make-dist.sh" "$BUILD" "$TMP/dist" >/dev/null || { echo "make-dist.sh failed"; exit 1; }
  fi
  mkdir -p "$1"
  unzip -q "$TMP/dist/plix.zip" -d "$1" || { echo "unzip failed"; exit 1; }
}

# A MinGW tool chain for plix.exe: batch files on the Wine PATH that run the
# Linux cross tools through Wine's start /unix (toolchain/run-tool.sh does
# the Linux side). The command interpreter finds "windres.exe" and "ar.exe",
# named with their extension, as windres.exe.bat and ar.exe.bat. start /unix
# keeps neither the working folder nor quoted arguments, so the batch file
# leaves both in a request file; and as even start /wait returns before a
# Linux program ends, wait_done.exe waits for run-tool.sh to say it is done.
# Every command line that reaches a tool is appended to $MINGW/calls.
fake_mingw() {
  MINGW=$TMP/mingw
  mkdir -p "$MINGW"
  cp "$ROOT/tests/windows/toolchain/run-tool.sh" "$MINGW/"
  i686-w64-mingw32-g++ -static -O2 -o "$MINGW/wait_done.exe" "$ROOT/tests/windows/toolchain/wait_done.cpp" ||
    { echo "wait_done.exe does not build"; exit 1; }
  local dir
  dir=$(windows_path "$MINGW")
  local name tool
  for name in g++ windres.exe ar.exe; do
    case $name in
      g++) tool=i686-w64-mingw32-g++ ;;
      windres.exe) tool=i686-w64-mingw32-windres ;;
      ar.exe) tool=i686-w64-mingw32-ar ;;
    esac
    sed 's/$/\r/' > "$MINGW/$name.bat" <<BAT
@echo off
if exist "$dir\\done" del "$dir\\done"
> "$dir\\request" echo %CD%
>> "$dir\\request" echo %*
start /unix $MINGW/run-tool.sh $MINGW $tool
"$dir\\wait_done.exe" "$dir\\done" 120
type "$dir\\output"
BAT
  done
  export WINEPATH="$dir;$WINEPATH"
}

# plix always prints its banner: a run with no output at all is Wine
# failing to start the program now and then, and is tried again.
wine_plix() {
  local out status attempt
  out=$(mktemp)
  for attempt in 1 2 3; do
    timeout 120 wine "$WINDOWS_PLIX" "$@" > "$out" 2>/dev/null
    status=$?
    [ -s "$out" ] && break
  done
  cat "$out"
  rm -f "$out"
  return $status
}
