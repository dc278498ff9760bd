# Sourced by the scripts that run Windows programs under Wine: a private
# Wine prefix and a virtual X server, both removed by wine_env_stop.
#   wine_env_start   sets WINEPREFIX, DISPLAY, WINEPATH (the MinGW DLLs)
#   wine_env_stop    stops Wine and the X server, removes the prefix
#   wine_or_skip WHAT  returns when this host can run Windows programs under
#                    Wine (scripts/wine-probe.sh); otherwise prints one line,
#                    "SKIPPED: WHAT: " and the probe's reason, and exits with
#                    status 77, which ctest counts as skipped
WINE_SKIP_STATUS=77

wine_or_skip() {
  local why
  why=$(bash "$(dirname "${BASH_SOURCE[0]}")/wine-probe.sh") && return 0
  echo "SKIPPED: $1: $why"
  exit "$WINE_SKIP_STATUS"
}

wine_env_start() {
  WINE_ENV_DIR=$(mktemp -d)
  export WINEPREFIX="$WINE_ENV_DIR/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local dlls
  dlls=$(dirname "$(i686-w64-mingw32-g++ -print-file-name=libstdc++-6.dll)")
  export WINEPATH="$dlls;/usr/i686-w64-mingw32/lib"
  # Xvfb chooses a free display and reports it once it is ready. It keeps
  # its state when its last client leaves (-noreset): the pointer stays
  # where it was put.
  Xvfb -displayfd 1 -screen 0 800x600x24 -nolisten tcp -noreset > "$WINE_ENV_DIR/display" 2>/dev/null &
  WINE_ENV_XVFB=$!
  for _ in $(seq 1 100); do
    [ -s "$WINE_ENV_DIR/display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$WINE_ENV_DIR/display")"
  # Out of the way of the windows, which open centred: no mouse moves that
  # nobody made.
  python3 "$(dirname "${BASH_SOURCE[0]}")/park-pointer.py" || true
  timeout 120 wineboot -i >/dev/null 2>&1
  timeout 60 wineserver -w >/dev/null 2>&1
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  [ -n "${WINE_ENV_XVFB:-}" ] && kill "$WINE_ENV_XVFB" 2>/dev/null
  [ -n "${WINE_ENV_DIR:-}" ] && rm -rf "$WINE_ENV_DIR"
  return 0
}

# Runs a Windows program; its standard output without carriage returns. A
# run that fails without any output is Wine failing to start the program
# now and then, and is tried again.
wine_run() {
  local out status attempt
  out=$(mktemp)
  for attempt in 1 2 3; do
    timeout 60 wine "$@" > "$out" 2>/dev/null
    status=$?
    { [ -s "$out" ] || [ "$status" -eq 0 ]; } && break
  done
  tr -d '\r' < "$out"
  rm -f "$out"
  return $status
}
