// Console output of the Quillkit library.
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

