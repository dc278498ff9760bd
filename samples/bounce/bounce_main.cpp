// bounce: one window with a black disc that bounces off the edges of the
// client area on a fast timer. The geometry lives in bounce_model; this file
// only draws and runs the message loop.
#include <windows.h>

#include "bounce_model.h"

namespace {

const char kClassName[] = "QZTestClass";
const UINT_PTR kTimerId = 1;

HWND mainWindow = nullptr;
HBITMAP ballImage = nullptr;
bounce::State state;

void deletePicture() {
    if (ballImage) DeleteObject(ballImage);
    ballImage = nullptr;
    state.hasPicture = false;
}

// Draws the disc once into a memory bitmap: white everywhere, a black disc
// inside a white margin of one step, so that each copy erases the last one.
// A failed context, bitmap or brush leaves the drawing without effect, but
// whatever was created is freed again.
void buildPicture(HWND window) {
    deletePicture();
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    ballImage = CreateCompatibleBitmap(windowDc, state.imageWidth, state.imageHeight);
    ReleaseDC(window, windowDc);
    HGDIOBJ oldBitmap = SelectObject(memoryDc, ballImage);

    // The default pen's outline falls outside the picture.
    Rectangle(memoryDc, -1, -1, state.imageWidth + 1, state.imageHeight + 1);

    HBRUSH black = CreateSolidBrush(0);
    HGDIOBJ oldBrush = SelectObject(memoryDc, black);
    SetBkColor(memoryDc, 0xFF00FF);
    Ellipse(memoryDc, state.stepX, state.stepY, state.imageWidth - state.stepX,
            state.imageHeight - state.stepY);

    // Put the context's own objects back so that neither ours stays selected.
    if (oldBrush) SelectObject(memoryDc, oldBrush);
    if (oldBitmap) SelectObject(memoryDc, oldBitmap);
    if (memoryDc) DeleteDC(memoryDc);
    if (black) DeleteObject(black);
    state.hasPicture = ballImage != nullptr;
}

void copyPicture(HWND window) {
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HGDIOBJ oldBitmap = SelectObject(memoryDc, ballImage);
    bounce::Point at = bounce::pictureOrigin(state);
    BitBlt(windowDc, at.x, at.y, state.imageWidth, state.imageHeight, memoryDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    if (oldBitmap) SelectObject(memoryDc, oldBitmap);
    if (memoryDc) DeleteDC(memoryDc);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        HDC dc = GetDC(window);
        bounce::setAspect(state, GetDeviceCaps(dc, ASPECTX), GetDeviceCaps(dc, ASPECTY));
        ReleaseDC(window, dc);
        return 0;
    }
    case WM_SIZE:
        bounce::resize(state, static_cast<std::uint32_t>(lParam));
        buildPicture(window);
        return 0;
    case WM_TIMER:
        if (!ballImage) return DefWindowProcA(window, message, wParam, lParam);
        copyPicture(window);
        bounce::tick(state);
        return 0;
    case WM_DESTROY:
        deletePicture();
        KillTimer(mainWindow, kTimerId);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) {
        MessageBoxA(nullptr, "RegisterClass Failed.", "Error", MB_OK);
    }

    mainWindow = CreateWindowExA(0, kClassName, "BOUNCE",
                                 WS_POPUP | WS_VISIBLE | WS_BORDER | WS_DLGFRAME | WS_SYSMENU,
                                 0, 0, 400, 300, nullptr, nullptr, instance, nullptr);
    if (!mainWindow) {
        MessageBoxA(nullptr, "CreateWindow Failed.", "Error", MB_OK);
    }
    ShowWindow(mainWindow, SW_SHOW);
    SetTimer(mainWindow, kTimerId, 1, nullptr);

    // GetMessageA returns -1 on failure; stop then rather than spin.
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(mainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
