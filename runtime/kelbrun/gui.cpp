// The Kelbrun library: the start of every program (InitGui), its message
// loop, and message boxes.
#include <windows.h>

#include "quillkit.h"
#include "dialogs.h"
#include "events.h"
#include "registry.h"

// The program's own FUNCTION Main(). Its return type does not take part in
// the C++ name, so this declaration reaches it whatever Main returns.
void Main();

namespace {

HINSTANCE instance = nullptr;

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Windows the program still has: its own, shown or hidden, and any other
// shown top-level window of its thread (one it made through the Windows
// API). Hidden helper windows of the system do not keep it running.
bool windowsOpen() {
    if (kelbrun::openWindowCount() > 0) return true;
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count > 0;
}

}  // namespace

namespace kelbrun {

HINSTANCE moduleInstance() { return instance ? instance : GetModuleHandleA(nullptr); }

}  // namespace kelbrun

long AppInstance() { return reinterpret_cast<long>(instance); }

void InitGui(long hInstance) {
    instance = reinterpret_cast<HINSTANCE>(hInstance);
    Main();
    MSG message;
    while (windowsOpen() && GetMessageA(&message, nullptr, 0, 0) > 0) {
        kelbrun::routeKey(message);
        // The dialog manager moves the focus with Tab between controls.
        HWND active = GetActiveWindow();
        if (!active || !IsDialogMessageA(active, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    std::fflush(stdout);
}

// OK is its only button: a box that went with its owner window answers OK
// too, as natively (MessageBoxA itself gives 0 then).
Long MsgBox(String text, String title) {
    kelbrun::messageBox(text, title, MB_OK);
    return IDOK;
}
