// Console output of the Quillkit library.
#ifdef _WIN32
#include <windows.h>
#endif
#include <cstdio>

#include "quillkit.h"

namespace {

// Where Print writes: standard output, or on Windows the console that the
// first Print opened because standard output went nowhere.
std::FILE* output() {
#ifdef _WIN32
    // A GUI program started from Explorer has no standard output at all, and
    // its lines would be lost. Output that goes to a pipe, a file or a
    // console stays where it goes. freopen cannot take stdout over here
    // (msvcrt refuses a stream that never had a file), so the console gets
    // a stream of its own.
    static std::FILE* out = nullptr;
    if (!out) {
        out = stdout;
        HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN) {
            if (AllocConsole()) {
                std::FILE* console = std::fopen("CONOUT$", "w");
                if (console) out = console;
            }
        }
    }
    return out;
#else
    return stdout;
#endif
}

}  // namespace

// Flushed at once: a GUI program has no console of its own, and its output
// must not wait in a buffer when it ends.
void Print(String text) {
    std::FILE* out = output();
    std::fputs(text.str().c_str(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

