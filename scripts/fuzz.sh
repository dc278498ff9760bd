#!/usr/bin/env bash
# Coverage-guided fuzzing of the whole translator (libFuzzer, ASan, UBSan,
# and every symbol lookup checked against a plain scan). Builds build-fuzz/
# with clang, seeds it from every example, test program and golden input,
# and runs for SECONDS (default 600). The corpus stays in build-fuzz/corpus;
# a crash, hang, leak or sanitizer report lands in build-fuzz/findings and
# fails the run.
#   fuzz.sh [SECONDS]     FUZZ_WORKERS=N runs N processes on one corpus (default 1)
#                         FUZZ_FAST=1 builds build-fuzz-fast/ without the lookup
#                         check (about twice the speed), on the same corpus
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
build=$root/build-fuzz
fast=OFF
[ "${FUZZ_FAST:-0}" = 1 ] && fast=ON build=$root/build-fuzz-fast

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLIX_FUZZ=ON \
  -DPLIX_FUZZ_FAST=$fast >/dev/null
cmake --build "$build" -j"${JOBS:-2}" >/dev/null

seeds=$build/seeds corpus=$root/build-fuzz/corpus findings=$build/findings scratch=$build/scratch
rm -rf "$seeds" "$findings" "$scratch"
mkdir -p "$seeds" "$corpus" "$findings" "$scratch"
export PLIX_FUZZ_SCRATCH=$scratch

# Workers only ever add to the corpus; once it has grown large, keep just the
# inputs that still add coverage, or loading it eats most of a short run.
if [ "$(find "$corpus" -type f | wc -l)" -gt "${FUZZ_MERGE_OVER:-10000}" ]; then
  rm -rf "$corpus.merged" && mkdir "$corpus.merged"
  echo "merging the corpus ($(find "$corpus" -type f | wc -l) inputs)"
  "$build/bin/plix_fuzz" -merge=1 -max_len=8192 -timeout=5 "$corpus.merged" "$corpus" >"$build/merge.log" 2>&1
  rm -rf "$corpus" && mv "$corpus.merged" "$corpus"
fi
n=0
for f in "$root"/examples/*.bas "$root"/examples/*.BAS "$root"/tests/programs/*.bas "$root"/tests/programs/*.BAS \
  "$root"/tests/cli/*/work/*.bas "$root"/tests/cli/*/work/*.BAS "$root"/tests/fuzz/regressions/*.bas; do
  [ -f "$f" ] || continue
  cp "$f" "$seeds/seed$((n++))"
done
echo "fuzzing for ${seconds}s from $n seeds (corpus: $corpus)"

# Several workers share the corpus; each writes its own log (fuzz-N.log).
workers=${FUZZ_WORKERS:-1}
parallel=()
[ "$workers" -gt 1 ] && parallel=(-jobs="$workers" -workers="$workers" -reload=1)
rm -f "$build"/fuzz-*.log
status=0
(cd "$build" && ASAN_OPTIONS=detect_leaks=1 \
  "$build/bin/plix_fuzz" "${parallel[@]}" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
  -max_len=8192 -dict="$root/tests/fuzz/plix.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
  "$corpus" "$seeds") >"$build/fuzz.log" 2>&1 || status=$?
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz.log" || true
grep -E 'cov: [0-9]+' -o "$build/fuzz.log" | tail -1 || true
found=$(find "$findings" -type f | wc -l)
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  echo "FUZZING FOUND A FAULT (status $status); inputs in $findings:"
  ls "$findings"
  grep -E 'ERROR|SUMMARY|runtime error|Assertion|ABORT|deadly signal|Test unit written' "$build/fuzz.log" | head -20
  exit 1
fi
echo "fuzzing found nothing"
