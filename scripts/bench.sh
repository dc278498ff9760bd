#!/usr/bin/env bash
# The translation benchmark: generated programs of plain statements
# (tests/bench/generate_program.cpp) translated by a Release build of plix
# with -c, whole process, best of three runs each. Prints the size, the
# time, the rate and the peak memory of each program, then the ratios that
# tell whether the rate holds as programs grow.
#   bench.sh [BUILD_DIR]      (default: build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target plix basic_include >/dev/null
mkdir -p "$build/bench"
g++ -O2 -o "$build/bench/generate_program" "$root/tests/bench/generate_program.cpp"
command -v /usr/bin/time >/dev/null || { echo "bench.sh: GNU time is missing (make deps)" >&2; exit 1; }

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
  best=""
  peak=0
  for _ in 1 2 3; do
    (cd "$dir" && /usr/bin/time -f "%e %M" -o "$dir/time" "$build/bin/plix" big.bas -c > "$dir/log") ||
      { echo "bench.sh: plix failed on $name:"; tail -n 5 "$dir/log"; exit 1; }
    read -r seconds kilobytes < "$dir/time"
    if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; fi
    [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
  done
  grep -q -E "^Error in |:error: |compile aborted" "$dir/log" && { echo "bench.sh: $name has errors"; exit 1; }
  rate[$name]=$(awk -v b="$bytes" -v s="$best" 'BEGIN { printf "%.2f", (s > 0 ? b / s / 1e6 : 0) }')
  perByte=$(awk -v k="$peak" -v b="$bytes" 'BEGIN { printf "%.1f", k * 1024 / b }')
  printf '%-8s %10s %12s %9s %9s %12s\n' "$name" "$functions" "$bytes" "$best" "${rate[$name]}" "$perByte"
done
awk -v s="${rate[small]}" -v l="${rate[large]}" -v p="${rate[spread]}" 'BEGIN {
  printf "rate large / small: %.2f\nrate spread / large: %.2f\n", (s > 0 ? l / s : 0), (l > 0 ? p / l : 0) }'
