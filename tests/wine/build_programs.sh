# Sourced by the Wine tests that run BASIC programs of their own:
#   wine_build_programs BUILD_DIR FOLDER NAME...
# copies FOLDER's files into a fresh $tmp, builds each NAME.bas there with
# the plix of BUILD_DIR (failing the test when one does not build), and
# skips the test, visibly, where Wine cannot run them. Sets build, root and
# tmp; $tmp and Wine are cleaned up when the test ends.
wine_build_programs() {
  build=$(cd "$1" && pwd)
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  local folder=$2 name
  shift 2
  command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: missing i686-w64-mingw32-g++"; exit 1; }
  tmp=$(mktemp -d)
  . "$root/scripts/wine-env.sh"
  trap 'wine_env_stop; rm -rf "$tmp"' EXIT
  cp -R "$folder"/. "$tmp/"
  for name in "$@"; do
    (cd "$tmp" && "$build/bin/plix" "$name.bas") > "$tmp/$name.log" 2>&1
    [ -e "$tmp/$name.exe" ] || { echo "FAIL: $name.exe did not build"; cat "$tmp/$name.log"; exit 1; }
  done
  wine_or_skip "$* built, not run under Wine"
}
