// wait_done FILE SECONDS: waits until FILE exists (the Linux side of a tool
// call creates it when the tool has finished; Wine's start /wait cannot wait
// for a Linux program). Status 1 when the time runs out.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: wait_done FILE SECONDS\n", stderr);
        return 2;
    }
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(argv[1]) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > limit) {
            std::printf("wait_done: no %s after %s s\n", argv[1], argv[2]);
            return 1;
        }
        Sleep(20);
    }
    return 0;
}
