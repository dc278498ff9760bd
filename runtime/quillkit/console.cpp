// Console output and math of the Quillkit library.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "quillkit.h"

// Flushed at once: a GUI program has no console of its own, and its output
// must not wait in a buffer when it ends.
void Print(String text) {
    std::fputs(text.str().c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The one Long without a positive counterpart stays as it is, as 32-bit
// arithmetic gives it, rather than overflowing.
Long Abs(Long n) { return n < 0 ? static_cast<Long>(0u - static_cast<uint32_t>(n)) : n; }
Double Sqr(Double x) { return std::sqrt(x); }
Double Sin(Double x) { return std::sin(x); }
Double Cos(Double x) { return std::cos(x); }
Long Rnd(Long n) { return n > 0 ? std::rand() % n : 0; }
