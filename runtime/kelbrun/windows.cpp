// Top-level windows: their class and procedure, opening, closing, titles.
#include <windows.h>

#include <algorithm>

#include "drawing.h"
#include "events.h"
#include "registry.h"

namespace {

using kelbrun::Entry;
using kelbrun::Kind;

const char kWindowClass[] = "KelbrunWindow";
const DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

void sized(Entry& entry, int width, int height) {
    if (width == entry.givenWidth && height == entry.givenHeight) {
        width = entry.askedWidth;
        height = entry.askedHeight;
    }
    kelbrun::sizeSurface(entry, width, height);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        // Tied before WM_SIZE arrives, which sizes the surface.
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        kelbrun::attach(static_cast<Long>(reinterpret_cast<intptr_t>(create->lpCreateParams)), hwnd);
        break;
    }
    case WM_COMMAND:
        if (lParam) kelbrun::controlCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        kelbrun::timerTick(wParam);
        return 0;
    case WM_GETDLGCODE:
        // With the focus on the window itself, Enter and Escape are keys
        // for its handler, not the dialog manager's OK and Cancel.
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        kelbrun::keyDown(hwnd, wParam);
        return 0;
    case WM_CLOSE:
        if (!kelbrun::keepOpen(hwnd) && IsWindow(hwnd)) DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        kelbrun::forgetWindow(kelbrun::idOf(hwnd));
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            Entry* entry = kelbrun::findWindow(kelbrun::idOf(hwnd));
            if (entry) sized(*entry, LOWORD(lParam), HIWORD(lParam));
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the surface covers it all
    case WM_PAINT: {
        Entry* entry = kelbrun::findWindow(kelbrun::idOf(hwnd));
        if (entry) {
            kelbrun::paintSurface(hwnd, entry->surface);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool registered() {
    static bool done = false;
    if (done) return true;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = kelbrun::moduleInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    // The icon linked into every program that names no resource of its own.
    windowClass.hIcon = LoadIconA(kelbrun::moduleInstance(), "IDI_APPICON");
    if (!windowClass.hIcon) windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kWindowClass;
    done = RegisterClassExA(&windowClass) != 0;
    return done;
}

}  // namespace

namespace quillkit {

Long OpenWindow(String title, Long width, Long height) {
    if (!registered()) return 0;
    RECT frame = {0, 0, std::max<Long>(width, 0), std::max<Long>(height, 0)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    // Centred, but with the title bar on the screen.
    int x = std::max<int>(work.left + (work.right - work.left - outerWidth) / 2, work.left);
    int y = std::max<int>(work.top + (work.bottom - work.top - outerHeight) / 2, work.top);

    Long id = kelbrun::add(Kind::Window, 0);
    HWND hwnd = CreateWindowExA(0, kWindowClass, title, kWindowStyle, x, y, outerWidth, outerHeight, nullptr, nullptr,
                                kelbrun::moduleInstance(), reinterpret_cast<void*>(static_cast<intptr_t>(id)));
    Entry* entry = kelbrun::findWindow(id);
    if (!hwnd || !entry) {
        kelbrun::discard(id);
        return 0;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    entry->askedWidth = std::max<Long>(width, 0);
    entry->askedHeight = std::max<Long>(height, 0);
    entry->givenWidth = client.right;
    entry->givenHeight = client.bottom;
    sized(*entry, client.right, client.bottom);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return id;
}

void CloseWindow(Long win) {
    Entry* entry = kelbrun::findWindow(win);
    if (entry) DestroyWindow(entry->hwnd);
}

void SetTitle(Long win, String title) {
    Entry* entry = kelbrun::findWindow(win);
    if (entry) SetWindowTextA(entry->hwnd, title);
}

Long IsOpen(Long id) { return kelbrun::find(id) ? 1 : 0; }

}  // namespace quillkit
