#!/usr/bin/env bash
# The translation benchmark: generated programs of plain statements
# (tests/bench/generate_program.cpp) translated by a Release build of plix
# with -c, whole process, best of five runs each. Prints the size, the
# time, the rate and the peak memory of each program, then the ratios that
# tell whether the rate holds as programs grow, and how plix compares with
# TinyCC compiling the C twin of the large program (the same functions and
# statements written in C), the two timed in turn in the same run.
#   bench.sh [BUILD_DIR]      (default: build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=5
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target plix basic_include >/dev/null
mkdir -p "$build/bench"
g++ -O2 -o "$build/bench/generate_program" "$root/tests/bench/generate_program.cpp"
command -v /usr/bin/time >/dev/null || { echo "bench.sh: GNU time is missing (make deps)" >&2; exit 1; }
command -v tcc >/dev/null || { echo "bench.sh: TinyCC (tcc) is missing (make deps)" >&2; exit 1; }

# Runs a command in a folder under GNU time: sets `seconds` (wall clock, to
# the microsecond) and `kilobytes` (peak resident memory).
timed() {
  local dir=$1 start end
  shift
  start=$EPOCHREALTIME
  (cd "$dir" && /usr/bin/time -f "%M" -o "$dir/time" "$@" > "$dir/log" 2>&1) ||
    { echo "bench.sh: $* failed in $dir:"; tail -n 5 "$dir/log"; exit 1; }
  end=$EPOCHREALTIME
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
  kilobytes=$(tail -n 1 "$dir/time")
}
less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# name functions statements variables types classes
programs=(
  "small 250 40 100 5 3"
  "medium 1000 40 100 5 3"
  "large 10000 40 100 5 3"
  "spread 100000 4 10000 5 3"
)
declare -A rate
printf '%-8s %10s %12s %9s %9s %12s\n' program functions bytes seconds "MB/s" "peak bytes/B"
for entry in "${programs[@]}"; do
  read -r name functions statements variables types classes <<<"$entry"
  dir=$build/bench/$name
  rm -rf "$dir" && mkdir -p "$dir"
  "$build/bench/generate_program" "$dir" "$functions" "$statements" "$variables" "$types" "$classes"
  bytes=$(cat "$dir"/*.bas "$dir"/*.BAS 2>/dev/null | wc -c)
  if [ "$name" = large ]; then
    "$build/bench/generate_program" "$dir" "$functions" "$statements" "$variables" "$types" "$classes" c
    cbytes=$(wc -c < "$dir/big.c")
    mkdir -p "$dir/c"
    mv "$dir/big.c" "$dir/c/"
  fi
  best="" peak=0 cbest=""
  for ((run = 0; run < runs; run++)); do
    timed "$dir" "$build/bin/plix" big.bas -c
    grep -q -E "^Error in |:error: |compile aborted" "$dir/log" && { echo "bench.sh: $name has errors"; exit 1; }
    if [ -z "$best" ] || less "$seconds" "$best"; then best=$seconds; fi
    [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
    if [ "$name" = large ]; then
      timed "$dir/c" tcc -c big.c -o big.o
      if [ -z "$cbest" ] || less "$seconds" "$cbest"; then cbest=$seconds; fi
    fi
  done
  rate[$name]=$(awk -v b="$bytes" -v s="$best" 'BEGIN { printf "%.2f", (s > 0 ? b / s / 1e6 : 0) }')
  perByte=$(awk -v k="$peak" -v b="$bytes" 'BEGIN { printf "%.2f", k * 1024 / b }')
  printf '%-8s %10s %12s %9s %9s %12s\n' "$name" "$functions" "$bytes" "$best" "${rate[$name]}" "$perByte"
  if [ "$name" = large ]; then
    crate=$(awk -v b="$cbytes" -v s="$cbest" 'BEGIN { printf "%.2f", (s > 0 ? b / s / 1e6 : 0) }')
    printf '%-8s %10s %12s %9s %9s\n' "tcc C" "$functions" "$cbytes" "$cbest" "$crate"
    largeTime=$best tccTime=$cbest
  fi
done
awk -v s="${rate[small]}" -v l="${rate[large]}" -v p="${rate[spread]}" -v pt="$largeTime" -v ct="$tccTime" 'BEGIN {
  printf "rate large / small: %.2f\nrate spread / large: %.2f\n", (s > 0 ? l / s : 0), (l > 0 ? p / l : 0)
  printf "tcc time / plix time on large: %.2f\n", (pt > 0 ? ct / pt : 0) }'
