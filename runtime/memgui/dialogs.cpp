// Dialogs of a native run. A modal dialog, a message box too, waits as the
// event loop does: the timers run in virtual time until one of their
// handlers answers it; when no timer is left to run, nobody can, and it is
// cancelled.
#include <string>
#include <vector>

#include "memgui.h"

namespace quillkit {
namespace memgui {
namespace {

struct Dialog {
    bool answered = false;
    bool cancelled = false;
    std::string answer;
};

// The dialogs waiting, the innermost last.
std::vector<Dialog*> waiting;

// A timer that asks on every tick opens a dialog inside the one before,
// with nobody to answer them: past this depth a new one is cancelled at
// once, before the nesting runs the stack out.
const size_t deepest = 64;

// The answer, or nothing when the dialog was cancelled.
bool ask(std::string& answer) {
    if (waiting.size() >= deepest) return false;
    Dialog dialog;
    waiting.push_back(&dialog);
    while (!dialog.answered && runNextTimer()) {
    }
    waiting.pop_back();
    answer = dialog.answer;
    return dialog.answered && !dialog.cancelled;
}

// A dialog once answered takes no second answer: the next goes to the one
// it was opened from.
Dialog* innermost() {
    for (auto dialog = waiting.rbegin(); dialog != waiting.rend(); ++dialog) {
        if (!(*dialog)->answered) return *dialog;
    }
    return nullptr;
}

String askText() {
    std::string answer;
    return ask(answer) ? String(answer) : String();
}

}  // namespace
}  // namespace memgui

using namespace memgui;

Long AskYesNo(String, String) {
    std::string answer;
    return ask(answer) && answer == "yes" ? 1 : 0;
}

String InputBox(String, String, String) { return askText(); }
String OpenFileDialog(String, String) { return askText(); }
String SaveFileDialog(String, String) { return askText(); }

void AnswerDialog(String answer) {
    if (Dialog* dialog = innermost()) {
        dialog->answered = true;
        dialog->answer = windowText(answer);
    }
}

void CancelDialog() {
    if (Dialog* dialog = innermost()) {
        dialog->answered = true;
        dialog->cancelled = true;
    }
}

}  // namespace quillkit

// A message box waits as the other dialogs do, so that a timer's answers
// meet the dialogs they meet under Windows; its only button is OK.
Long MsgBox(String, String) {
    std::string answer;
    quillkit::memgui::ask(answer);
    return 1;
}
