// Dialogs: yes or no, a line of text, a file to open or save; and their
// answers given by the program (AnswerDialog, CancelDialog), pressed on the
// dialog as a user would press them. A text or path the program gives is
// the answer exactly as given: a file dialog would check and rewrite it
// (and complain in a box of its own about a name it cannot find), so it is
// shown in the name field and the dialog closed without that check.
#include "dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "registry.h"

namespace {

enum class DialogKind { Message, YesNo, Input, File };

// A dialog the program waits on. The innermost is the last; its window is
// the first top-level dialog window made after it was pushed.
struct Waiting {
    DialogKind kind;
    HWND hwnd = nullptr;
    // Answered by the program: a second answer goes to the dialog this one
    // was opened from.
    bool answered = false;
    // The text or path AnswerDialog gave.
    bool given = false;
    std::string answer;
};

std::vector<Waiting*> waiting;
HHOOK creationHook = nullptr;

// A timer that asks on every tick opens a dialog inside the one before,
// with nobody to answer them: past this depth a new one is cancelled at
// once, before the nesting runs the stack out.
const size_t kDeepest = 64;

bool tooDeep() { return waiting.size() >= kDeepest; }

LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !waiting.empty() && !waiting.back()->hwnd) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        char name[16] = "";
        GetClassNameA(hwnd, name, sizeof(name));
        if (!(create->lpcs->style & WS_CHILD) && std::string(name) == "#32770") waiting.back()->hwnd = hwnd;
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

// Known as waiting while the object lives.
class Wait {
public:
    explicit Wait(DialogKind kind) {
        record_.kind = kind;
        if (waiting.empty()) creationHook = SetWindowsHookExA(WH_CBT, onCreation, nullptr, GetCurrentThreadId());
        waiting.push_back(&record_);
    }
    ~Wait() {
        waiting.pop_back();
        if (waiting.empty() && creationHook) {
            UnhookWindowsHookEx(creationHook);
            creationHook = nullptr;
        }
    }
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;
    const Waiting& record() const { return record_; }

private:
    Waiting record_;
};

// The dialog AnswerDialog and CancelDialog act on, or null: the innermost
// not yet answered (once answered, the next answer goes to the one it was
// opened from).
Waiting* openDialog() {
    for (auto dialog = waiting.rbegin(); dialog != waiting.rend(); ++dialog) {
        if ((*dialog)->answered) continue;
        return (*dialog)->hwnd && IsWindow((*dialog)->hwnd) ? *dialog : nullptr;
    }
    return nullptr;
}

bool isWaiting(HWND hwnd) {
    for (const Waiting* dialog : waiting)
        if (dialog->hwnd == hwnd) return true;
    return false;
}

// A button pressed as the mouse presses it; each one pressed here ends its
// dialog.
void pressButton(HWND hwnd, int button) {
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, button)));
}

void press(Waiting* dialog, int button) {
    dialog->answered = true;
    pressButton(dialog->hwnd, button);
}

// A box the dialog opened itself (a file dialog's complaint) stands in
// the way: it is closed first, as a user would close it, and the answer
// waits for the next call. Answering the dialog under it instead would
// open the box again inside itself, ever deeper.
bool dismissedBox(const Waiting* dialog) {
    if (IsWindowEnabled(dialog->hwnd)) return false;
    HWND box = GetLastActivePopup(dialog->hwnd);
    if (!box || box == dialog->hwnd || isWaiting(box)) return false;
    pressButton(box, IDCANCEL);
    return true;
}

// InputBox: a dialog template made here, its texts set when it opens.
const WORD kPromptId = 100;
const WORD kEditId = 101;

struct InputState {
    const char* prompt;
    const char* title;
    const char* value;
    std::string result;
};

INT_PTR CALLBACK inputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        const InputState* state = reinterpret_cast<const InputState*>(lParam);
        SetWindowTextA(hwnd, state->title);
        SetDlgItemTextA(hwnd, kPromptId, state->prompt);
        HWND edit = GetDlgItem(hwnd, kEditId);
        SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
        SetWindowTextA(edit, state->value);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SetFocus(edit);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            InputState* state = reinterpret_cast<InputState*>(GetWindowLongPtrA(hwnd, DWLP_USER));
            HWND edit = GetDlgItem(hwnd, kEditId);
            int length = GetWindowTextLengthA(edit);
            std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            int got = GetWindowTextA(edit, &text[0], length + 1);
            text.resize(static_cast<size_t>(got > 0 ? got : 0));
            if (state) state->result = text;
            EndDialog(hwnd, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hwnd, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// A DLGTEMPLATE and its items, in dialog units, built word by word.
class Template {
public:
    Template(DWORD style, short width, short height, WORD items) {
        dword(style);
        dword(0);
        word(items);
        word(0);
        word(0);
        word(static_cast<WORD>(width));
        word(static_cast<WORD>(height));
        word(0);  // no menu
        word(0);  // the standard class
        word(0);  // no title: set when it opens
        word(8);
        text(L"MS Shell Dlg");
    }
    // atom: 0x80 button, 0x81 edit, 0x82 static.
    void item(WORD atom, WORD id, DWORD style, short x, short y, short width, short height, const wchar_t* title) {
        while (words_.size() % 2) word(0);  // DWORD aligned
        dword(WS_CHILD | WS_VISIBLE | style);
        dword(0);
        word(static_cast<WORD>(x));
        word(static_cast<WORD>(y));
        word(static_cast<WORD>(width));
        word(static_cast<WORD>(height));
        word(id);
        word(0xFFFF);
        word(atom);
        text(title);
        word(0);  // no creation data
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void word(WORD w) { words_.push_back(w); }
    void dword(DWORD d) {
        word(LOWORD(d));
        word(HIWORD(d));
    }
    void text(const wchar_t* s) {
        for (; *s; ++s) word(static_cast<WORD>(*s));
        word(0);
    }
    // WORDs in a vector of DWORDs' alignment: std::vector's storage is
    // aligned for any fundamental type.
    std::vector<WORD> words_;
};

// "Text files|*.txt|All files|*.*" as the common dialogs take it: each
// part ended by a zero, the list by another. A name without its pattern
// shows every file.
std::string filterList(const std::string& filter) {
    if (filter.empty()) return std::string();
    std::string list;
    size_t parts = 0, start = 0;
    for (;;) {
        size_t bar = filter.find('|', start);
        list += filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        list += '\0';
        ++parts;
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (parts % 2) list += std::string("*.*") + '\0';
    return list + '\0';
}

String fileDialog(const String& title, const String& filter, bool save) {
    if (tooDeep()) return String();
    std::string filters = filterList(filter.str());
    std::vector<char> file(32768, '\0');
    std::vector<char> folder(MAX_PATH * 4, '\0');
    DWORD folderLength = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = kelbrun::dialogOwner();
    dialog.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.length() ? static_cast<const char*>(title) : nullptr;
    dialog.lpstrInitialDir = folderLength > 0 && folderLength < folder.size() ? folder.data() : nullptr;
    // Whatever name is chosen comes back: the program tests the file.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    Wait wait(DialogKind::File);
    BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (wait.record().given) return String(wait.record().answer);
    return chosen && !wait.record().answered ? String(file.data()) : String();
}

// The common file dialog's name field: edt1, or in the newer layout the
// edit inside the combo box cmb13.
HWND fileNameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, edt1);
    if (field) return field;
    HWND combo = GetDlgItem(dialog, cmb13);
    if (!combo) return nullptr;
    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (!edit) {
        HWND inner = FindWindowExA(combo, nullptr, "ComboBox", nullptr);
        if (inner) edit = FindWindowExA(inner, nullptr, "Edit", nullptr);
    }
    return edit ? edit : combo;
}

}  // namespace

namespace kelbrun {

int messageBox(const char* text, const char* title, UINT type) {
    if (tooDeep()) return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    Wait wait((type & MB_TYPEMASK) == MB_YESNO ? DialogKind::YesNo : DialogKind::Message);
    return MessageBoxA(dialogOwner(), text, title, type);
}

}  // namespace kelbrun

namespace quillkit {

Long AskYesNo(String question, String title) {
    return kelbrun::messageBox(question, title, MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

String InputBox(String prompt, String title, String value) {
    if (tooDeep()) return String();
    Template form(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 78, 4);
    form.item(0x82, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 226, 24, L"");
    form.item(0x81, kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 35, 226, 13, L"");
    form.item(0x80, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 129, 57, 50, 14, L"OK");
    form.item(0x80, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 183, 57, 50, 14, L"Cancel");
    InputState state = {prompt, title, value, std::string()};
    Wait wait(DialogKind::Input);
    INT_PTR result = DialogBoxIndirectParamA(kelbrun::moduleInstance(), form.get(), kelbrun::dialogOwner(), inputProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (wait.record().given) return String(wait.record().answer);
    return result == IDOK && !wait.record().answered ? String(state.result) : String();
}

String OpenFileDialog(String title, String filter) { return fileDialog(title, filter, false); }

String SaveFileDialog(String title, String filter) { return fileDialog(title, filter, true); }

void AnswerDialog(String answer) {
    Waiting* dialog = openDialog();
    if (!dialog || dismissedBox(dialog)) return;
    switch (dialog->kind) {
    case DialogKind::Message:
        press(dialog, IDOK);
        break;
    case DialogKind::YesNo:
        press(dialog, answer.str() == "yes" ? IDYES : IDNO);
        break;
    case DialogKind::Input:
        dialog->given = true;
        dialog->answer = answer;
        SetDlgItemTextA(dialog->hwnd, kEditId, answer);
        press(dialog, IDOK);
        break;
    case DialogKind::File: {
        dialog->given = true;
        dialog->answer = answer;
        HWND field = fileNameField(dialog->hwnd);
        if (field) SetWindowTextA(field, answer);
        press(dialog, IDCANCEL);
        break;
    }
    }
}

void CancelDialog() {
    Waiting* dialog = openDialog();
    if (!dialog || dismissedBox(dialog)) return;
    press(dialog, dialog->kind == DialogKind::YesNo ? IDNO : dialog->kind == DialogKind::Message ? IDOK : IDCANCEL);
}

}  // namespace quillkit
