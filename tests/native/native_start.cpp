// A native start for generated programs, so that they run on the build host
// (under the sanitizers) as well as under Wine: the process starts in the
// generated WinMain, whose InitGui (runtime/memgui) runs the program.
extern "C" int WinMain(long hThisInstance, long hPrevInstance, char* lpszArgument, int nFunsterStil);

int main(int, char** argv) {
    // The generated WinMain ends without a return statement: its value is
    // not read.
    WinMain(1, 0, argv[0], 1);
    return 0;
}
