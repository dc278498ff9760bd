// What a user does, turned into the program's handlers (events.cpp). The
// window and canvas procedures and the message loop hand their messages
// here.
#ifndef KELBRUN_EVENTS_H
#define KELBRUN_EVENTS_H

#include "registry.h"

namespace kelbrun {

// Win32 control ids are the library's ids plus this, so that none is
// IDOK or IDCANCEL, which the dialog manager sends for Enter and Escape.
const Long kControlIdBase = 1000;

// Fires the OnChange handler of the open control with that id.
void fireChange(Long id);
// WM_COMMAND from a control.
void controlCommand(HWND control, UINT code);
void timerTick(UINT_PTR timer);
// WM_KEYDOWN on a window, or on a canvas (which hands it to its window
// when it has no key handler of its own).
void keyDown(HWND hwnd, WPARAM key);
// A mouse message on a canvas.
void mouseMessage(HWND hwnd, UINT message, WPARAM flags, LPARAM position);
// WM_CLOSE: true when the window's OnClose handler keeps it open.
bool keepOpen(HWND window);
// From the message loop, before dispatching: a key pressed on a control of
// a window with a key handler reaches that handler too.
void routeKey(const MSG& message);

}  // namespace kelbrun

#endif
