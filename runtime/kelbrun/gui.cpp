// The Kelbrun library: the start of every program (InitGui) and the
// Windows side of Quillkit (message boxes).
#include <windows.h>

#include "quillkit.h"

// The program's own FUNCTION Main(). Its return type does not take part in
// the C++ name, so this declaration reaches it whatever Main returns.
void Main();

namespace {

HINSTANCE instance = nullptr;

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    if (IsWindow(window)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Top-level windows the program's thread still has.
int openWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

long AppInstance() { return reinterpret_cast<long>(instance); }

void InitGui(long hInstance) {
    instance = reinterpret_cast<HINSTANCE>(hInstance);
    Main();
    MSG message;
    while (openWindows() > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
        HWND active = GetActiveWindow();
        if (!active || !IsDialogMessageA(active, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    std::fflush(stdout);
}

Long MsgBox(String text, String title) { return MessageBoxA(nullptr, text, title, MB_OK); }
