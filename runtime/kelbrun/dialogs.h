// Modal dialogs that a program can answer itself (dialogs.cpp).
#ifndef KELBRUN_DIALOGS_H
#define KELBRUN_DIALOGS_H

#include <windows.h>

namespace kelbrun {

// MessageBoxA, owned by the program's window, answerable by AnswerDialog
// and CancelDialog.
int messageBox(const char* text, const char* title, UINT type);

}  // namespace kelbrun

#endif
