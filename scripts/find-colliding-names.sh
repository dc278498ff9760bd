#!/usr/bin/env bash
# Finds, by compiling, the names a BASIC program cannot give its own
# variables, functions and types as they are: every identifier the
# standard headers of the generated preamble bring into view (declared in
# <string> and the C headers qztypes.h includes, or defined there as a
# macro), every C++ keyword and the names generated text itself uses
# (main, WinMain, the library namespace quillkit) are tried
# as a module variable, a local, a struct member, a function and a type,
# with both the MinGW cross compiler and the host's g++, after the preamble
# and its "using namespace std;". A name that fails in any of them is
# printed. Names starting with "_" are left out: C++ reserves them. The
# support headers' own names (Left, Print, String...) are BASIC's names too,
# known to plix as such, and are not candidates.
# symbols/colliding_names.cpp holds the result:
#   bash scripts/find-colliding-names.sh > names.txt   (a few minutes)
set -euo pipefail
export LC_ALL=C  # the table is sorted as strcmp compares
root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
include="$root/runtime/BasicInclude"
compilers=(i686-w64-mingw32-g++ g++)
preamble='#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;'
printf '%s\n' '#include <string>' '#include <cstdint>' '#include <cstdio>' '#include <cstdlib>' \
  '#include <cstring>' > "$tmp/pre.cpp"

keywords="alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t char16_t
char32_t class compl concept const consteval constexpr constinit const_cast continue co_await co_return
co_yield decltype default delete do double dynamic_cast else enum explicit export extern false float for
friend goto if inline int long mutable namespace new noexcept not not_eq nullptr operator or or_eq private
protected public register reinterpret_cast requires return short signed sizeof static static_assert
static_cast struct switch template this thread_local throw true try typedef typeid typename union
unsigned using virtual void volatile wchar_t while xor xor_eq main WinMain quillkit"
{
  for cc in "${compilers[@]}"; do
    "$cc" -E -I"$include" "$tmp/pre.cpp" | grep -v '^#' | grep -oE '\b[A-Za-z][A-Za-z0-9_]*\b' || true
    "$cc" -dM -E -I"$include" "$tmp/pre.cpp" | awk '{ sub(/\(.*/, "", $2); print $2 }'
  done
  printf '%s\n' $keywords
} | grep -E '^[A-Za-z][A-Za-z0-9_]*$' | sort -u > "$tmp/candidates"

# One file per use, every candidate in it with numbered helpers; the line of
# each error names the candidate that caused it.
lines_per=(5 3 3)
write_uses() {  # KIND
  printf '%s\n' "$preamble"
  awk -v kind="$1" '{
    x = $0; i = NR
    if (kind == 0) {
      printf "Long %s;\nvoid fa_%d(){ %s = 1; Long y = %s; (void)y; }\nvoid fc_%d(){ Long %s; %s = 2; }\n", x, i, x, x, i, x, x
      printf "struct Sq_%d{ Long %s; };\nvoid fe_%d(){ Sq_%d s; s.%s = 1; }\n", i, x, i, i, x
    } else if (kind == 1) {
      printf "Long %s (Long a);\nvoid fb_%d(){ Long r = %s(1); (void)r; }\nLong %s (Long a){ return a; }\n", x, i, x, x
    } else {
      printf "struct %s{ Long a; };\n%s gv_%d;\nvoid fd_%d(){ %s v; v.a = 1; gv_%d.a = 2; }\n", x, x, i, i, x, i
    }
  }' "$tmp/candidates"
}
header_lines=$(printf '%s\n' "$preamble" | wc -l)
for cc in "${compilers[@]}"; do
  for kind in 0 1 2; do
    write_uses "$kind" > "$tmp/uses.cpp"
    # The compiler fails, of course: its errors are the answer.
    { "$cc" -fsyntax-only -fpermissive -w -fmax-errors=0 -I"$include" "$tmp/uses.cpp" 2>&1 || true; } |
      sed -n "s#^$tmp/uses.cpp:\([0-9]*\):[0-9]*: error.*#\1#p" |
      awk -v h="$header_lines" -v per="${lines_per[$kind]}" '$1 > h { print int(($1 - h - 1) / per) + 1 }'
  done
done | sort -un | awk 'NR == FNR { failed[$1] = 1; next } failed[FNR]' - "$tmp/candidates" | sort
