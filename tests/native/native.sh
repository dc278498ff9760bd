# Sourced by the scripts that run generated programs natively on the build
# host, compiled by the host g++ under AddressSanitizer and
# UndefinedBehaviorSanitizer, instead of (or besides) under Wine:
#   native_runtime DIR     compiles the portable parts of the support library
#                          (runtime/quillkit: text, numbers, files, time,
#                          console output), the windows, controls and
#                          drawing kept in memory (runtime/memgui) and the
#                          native start into DIR/native-runtime/, once per DIR
#   native_build DIR EXE   compiles every .cpp in DIR (what plix generated
#                          there: nothing else) with that runtime into EXE
#   native_run EXE [ARG...] runs it; its standard output, status 1 on a fault
# The host's long is 64 bits: a program that keeps an address in a Long
# runs under Wine only.
NATIVE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The dialect options of plix's own g++ command, the sanitizers, and
# WinMain's calling convention, which is the only one here. The generated
# WinMain has no return statement: that check is left out, as its value is
# never read (native_start.cpp).
# An uninitialised local reads as a garbage pattern, not as a lucky 0, so
# that a declaration written without its zero start shows in the output.
NATIVE_CXXFLAGS=(-g -O0 -fpermissive -w -fno-rtti -fno-exceptions "-D__stdcall=" -ftrivial-auto-var-init=pattern
  -fsanitize=address,undefined -fno-sanitize=return -fno-sanitize-recover=all -fno-omit-frame-pointer
  -I"$NATIVE_ROOT/runtime/BasicInclude")

native_runtime() {
  NATIVE_RUNTIME=$1/native-runtime
  [ -e "$NATIVE_RUNTIME/done" ] && return 0
  mkdir -p "$NATIVE_RUNTIME"
  local source
  for source in "$NATIVE_ROOT"/runtime/quillkit/*.cpp "$NATIVE_ROOT"/runtime/memgui/*.cpp \
      "$NATIVE_ROOT"/runtime/raster/*.cpp "$NATIVE_ROOT/tests/native/native_start.cpp"; do
    g++ -c "${NATIVE_CXXFLAGS[@]}" -I"$NATIVE_ROOT/runtime/raster" "$source" -o "$NATIVE_RUNTIME/$(basename "$source" .cpp).o" || return 1
  done
  touch "$NATIVE_RUNTIME/done"
}

# Generated sources include headers under names whose letter case differs
# from the files written (COUNTER.BAS's class Counter as "Counter.h"). As
# plix's build step does on such hosts, each one gets a forwarding header in
# a folder of its own, given to the compiler with -I.
native_header_aliases() {  # DIR ALIAS_DIR
  local dir=$1 aliases=$2 name match
  mkdir -p "$aliases"
  for name in $(sed -n 's/^[[:space:]]*#include "\([^"/]*\)".*/\1/p' "$dir"/*.cpp "$dir"/*.h 2>/dev/null | sort -u); do
    [ -e "$dir/$name" ] && continue
    match=$(find "$dir" -maxdepth 1 -type f -iname "$name" | head -n 1)
    if [ -n "$match" ]; then
      printf '#include "%s"\n' "$(realpath "$match")" > "$aliases/$name"
    fi
  done
  return 0
}

native_build() {  # DIR EXE
  local dir=$1 exe=$2
  local sources=("$dir"/*.cpp)
  [ -e "${sources[0]}" ] || { echo "no .cpp file in $dir"; return 1; }
  native_header_aliases "$dir" "$dir/.native-aliases"
  g++ "${NATIVE_CXXFLAGS[@]}" -I"$dir/.native-aliases" "${sources[@]}" "$NATIVE_RUNTIME"/*.o -o "$exe"
}

# Leaks are not faults here: a program may end with objects it made with
# NEW still alive. Any other report of the sanitizers ends the program with
# a non-zero status; so does a program that runs for more than 20 seconds.
native_run() {  # EXE [ARGUMENT...]
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 timeout 20 "$@"
}
