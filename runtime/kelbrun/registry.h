// The ids a program holds and what stands behind them: windows and controls
// (one numbering), timers (a numbering of their own). An id is never given
// out twice; a closed one stays known as closed, so that every call with it
// does nothing.
#ifndef KELBRUN_REGISTRY_H
#define KELBRUN_REGISTRY_H

#include <windows.h>

#include <cstdint>

#include "quillkit.h"

namespace kelbrun {

enum class Kind { Window, Button, Label, TextBox, TextArea, CheckBox, ListBox, ComboBox, Canvas };

typedef void (*Handler)(Long source);
typedef void (*KeyHandler)(Long source, Long key);
typedef void (*MouseHandler)(Long source, Long x, Long y, Long buttons);
typedef Long (*CloseHandler)(Long win);

// What is drawn on a window or canvas: a 32-bit bitmap at least as large as
// the client area (it grows, never shrinks, so that nothing drawn is lost),
// selected into a memory DC. width and height are the client size: the
// part that PixelAt answers for.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    // The bitmap's pixels, 0x00RRGGBB, row by row from the top.
    uint32_t* bits = nullptr;
    HGDIOBJ firstBitmap = nullptr;
    HGDIOBJ firstFont = nullptr;
    int bitmapWidth = 0, bitmapHeight = 0;
    int width = 0, height = 0;
};

struct Entry {
    Kind kind = Kind::Window;
    HWND hwnd = nullptr;
    bool open = false;
    // The window a control sits on; a window's own id.
    Long window = 0;
    Handler onClick = nullptr;
    Handler onChange = nullptr;
    KeyHandler onKey = nullptr;
    MouseHandler onMouse = nullptr;
    CloseHandler onClose = nullptr;
    Surface surface;
    // Above 0 while the library itself changes the control, so that the
    // notification Windows sends meanwhile fires nothing.
    int quiet = 0;
    // A list's or combo box's selection as last seen, so that a
    // notification without a change fires nothing.
    Long selected = -1;
    // A window's client size as asked for and as Windows gave it (wider
    // where the title bar needs room): the surface keeps the size asked
    // for until the window is resized.
    int askedWidth = 0, askedHeight = 0;
    int givenWidth = -1, givenHeight = -1;
};

// A new entry, open, with the next id; its hwnd is set by the caller.
Long add(Kind kind, Long window);
// The open entry with that id, or null. Pointers are good only until the
// next add (or anything that may call a program's handler).
Entry* find(Long id);
// The open entry with that id when it is one of the kinds, or null.
Entry* findWindow(Long id);
Entry* findControl(Long id);
// Ties an open entry to its window handle.
void attach(Long id, HWND hwnd);
// The open entry whose window handle this is (0 when none).
Long idOf(HWND hwnd);
// The entry's id given up (its window was not made).
void discard(Long id);
// The window and its controls are closed; its timers stop; their
// surfaces are freed. The window handle itself is left to the caller.
void forgetWindow(Long win);
// Open windows.
int openWindowCount();
// The window a dialog belongs to: the active one when it is the program's,
// else the last opened that is still open; null when none is.
HWND dialogOwner();

// The instance the program's windows belong to.
HINSTANCE moduleInstance();

// Timers. The Win32 timer of a window carries the timer's id as its own.
Long addTimer(Long win, Handler handler);
struct Timer {
    Long window = 0;
    Handler handler = nullptr;
    bool running = false;
};
// The running timer with that id, or null.
Timer* findTimer(Long timer);
// The timer with that id, running or not, or null.
Timer* timerRecord(Long timer);

}  // namespace kelbrun

#endif
