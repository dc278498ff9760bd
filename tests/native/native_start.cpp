// A native start for generated programs, so that they run on the build host
// (under the sanitizers) as well as under Wine: the process starts in the
// generated WinMain, InitGui runs the program's Main, and a message box is
// its text on standard output. Only the portable parts of the support
// library (strings, console output, math) are linked beside it.
#include <cstdio>

#include "quillkit.h"

// The program's FUNCTION Main(); its return type is not part of the name.
void Main();

extern "C" int WinMain(long hThisInstance, long hPrevInstance, char* lpszArgument, int nFunsterStil);

namespace {
long instance = 0;
}

long AppInstance() { return instance; }

void InitGui(long hInstance) {
    instance = hInstance;
    Main();
    std::fflush(stdout);
}

Long MsgBox(String text, String title) {
    (void)title;
    Print(text);
    return 1;
}

int main(int, char** argv) {
    // The generated WinMain ends without a return statement: its value is
    // not read.
    WinMain(1, 0, argv[0], 1);
    return 0;
}
