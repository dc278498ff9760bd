// Controls: the standard ones and the canvas, their text, state and lists.
// A value the library sets fires OnChange itself, once: the notification
// Windows sends meanwhile is muted (Entry::quiet).
#include <windows.h>

#include <algorithm>
#include <string>

#include "drawing.h"
#include "events.h"
#include "registry.h"

namespace {

using kelbrun::Entry;
using kelbrun::Kind;

const char kCanvasClass[] = "KelbrunCanvas";

// Room below a combo box's field for its drop-down list, which Windows
// counts in the control's height.
const int kComboListRoom = 160;

LRESULT CALLBACK canvasProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        kelbrun::attach(static_cast<Long>(reinterpret_cast<intptr_t>(create->lpCreateParams)), hwnd);
        break;
    }
    case WM_SIZE: {
        Entry* entry = kelbrun::findControl(kelbrun::idOf(hwnd));
        if (entry) kelbrun::sizeSurface(*entry, LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        Entry* entry = kelbrun::findControl(kelbrun::idOf(hwnd));
        if (entry) {
            kelbrun::paintSurface(hwnd, entry->surface);
            return 0;
        }
        break;
    }
    case WM_GETDLGCODE:
        // Every key for the program, Enter and Escape too (keyDown moves
        // on at Tab).
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        kelbrun::keyDown(hwnd, wParam);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        kelbrun::mouseMessage(hwnd, message, wParam, lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool canvasRegistered() {
    static bool done = false;
    if (done) return true;
    WNDCLASSEXA canvasClass = {};
    canvasClass.cbSize = sizeof(canvasClass);
    canvasClass.lpfnWndProc = canvasProc;
    canvasClass.hInstance = kelbrun::moduleInstance();
    canvasClass.hCursor = LoadCursor(nullptr, IDC_CROSS);
    canvasClass.lpszClassName = kCanvasClass;
    done = RegisterClassExA(&canvasClass) != 0;
    return done;
}

Long addControl(Kind kind, Long win, const char* windowClass, const char* text, DWORD style, DWORD exStyle, Long x,
                Long y, Long width, Long height) {
    Entry* window = kelbrun::findWindow(win);
    if (!window) return 0;
    HWND parent = window->hwnd;
    Long id = kelbrun::add(kind, win);
    width = std::max<Long>(width, 0);
    height = std::max<Long>(height, 0);
    if (kind == Kind::ComboBox) height += kComboListRoom;
    HWND hwnd = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<intptr_t>(kelbrun::kControlIdBase + id)),
                                kelbrun::moduleInstance(), reinterpret_cast<void*>(static_cast<intptr_t>(id)));
    if (!hwnd) {
        kelbrun::discard(id);
        return 0;
    }
    kelbrun::attach(id, hwnd);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return id;
}

std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextA(hwnd, &text[0], length + 1), 0)));
    return text;
}

// The messages of a list box and of a combo box, which do the same.
struct ListMessages {
    UINT add, remove, clear, count, textLength, text, selection, select;
};
const ListMessages kListBox = {LB_ADDSTRING,   LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                               LB_GETTEXTLEN, LB_GETTEXT,      LB_GETCURSEL,    LB_SETCURSEL};
const ListMessages kComboBox = {CB_ADDSTRING,     CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                                CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCURSEL,    CB_SETCURSEL};

// The list or combo box with that id, and its messages.
Entry* findList(Long id, const ListMessages*& messages) {
    Entry* entry = kelbrun::findControl(id);
    if (!entry || (entry->kind != Kind::ListBox && entry->kind != Kind::ComboBox)) return nullptr;
    messages = entry->kind == Kind::ListBox ? &kListBox : &kComboBox;
    return entry;
}

Long send(const Entry* entry, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return static_cast<Long>(SendMessageA(entry->hwnd, message, wParam, lParam));
}

std::string itemText(const Entry* entry, const ListMessages& messages, Long index) {
    if (index < 0 || index >= send(entry, messages.count)) return std::string();
    Long length = send(entry, messages.textLength, static_cast<WPARAM>(index));
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Long got = send(entry, messages.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<Long>(std::min(got, length), 0)));
    return text;
}

// Sets the selection without a notification, and remembers it.
void setSelection(Entry* entry, const ListMessages& messages, Long index) {
    ++entry->quiet;
    send(entry, messages.select, static_cast<WPARAM>(index));
    --entry->quiet;
    entry->selected = index;
}

}  // namespace

namespace quillkit {

Long AddButton(Long win, String text, Long x, Long y, Long width, Long height) {
    return addControl(Kind::Button, win, "BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, 0, x, y, width, height);
}

Long AddLabel(Long win, String text, Long x, Long y, Long width, Long height) {
    return addControl(Kind::Label, win, "STATIC", text, SS_LEFT | SS_NOPREFIX, 0, x, y, width, height);
}

Long AddTextBox(Long win, String text, Long x, Long y, Long width, Long height) {
    Long id = addControl(Kind::TextBox, win, "EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, width,
                         height);
    if (id) SendMessageA(kelbrun::find(id)->hwnd, EM_SETLIMITTEXT, 0, 0);
    return id;
}

Long AddTextArea(Long win, String text, Long x, Long y, Long width, Long height) {
    DWORD style = ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_TABSTOP;
    Long id = addControl(Kind::TextArea, win, "EDIT", text, style, WS_EX_CLIENTEDGE, x, y, width, height);
    if (id) SendMessageA(kelbrun::find(id)->hwnd, EM_SETLIMITTEXT, 0, 0);
    return id;
}

Long AddCheckBox(Long win, String text, Long x, Long y, Long width, Long height) {
    return addControl(Kind::CheckBox, win, "BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, x, y, width, height);
}

Long AddListBox(Long win, Long x, Long y, Long width, Long height) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    return addControl(Kind::ListBox, win, "LISTBOX", "", style, WS_EX_CLIENTEDGE, x, y, width, height);
}

Long AddComboBox(Long win, Long x, Long y, Long width, Long height) {
    return addControl(Kind::ComboBox, win, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, x, y, width,
                      height);
}

Long AddCanvas(Long win, Long x, Long y, Long width, Long height) {
    if (!canvasRegistered()) return 0;
    Long id = addControl(Kind::Canvas, win, kCanvasClass, "", WS_TABSTOP, 0, x, y, width, height);
    Entry* entry = kelbrun::find(id);
    if (!entry) return 0;
    RECT client;
    GetClientRect(entry->hwnd, &client);
    kelbrun::sizeSurface(*entry, client.right, client.bottom);
    return id;
}

void SetText(Long id, String text) {
    Entry* entry = kelbrun::find(id);
    if (!entry) return;
    switch (entry->kind) {
    case Kind::ComboBox:
        return;  // a drop-down list shows its selected item
    case Kind::TextBox:
    case Kind::TextArea: {
        HWND edit = entry->hwnd;
        std::string before = windowText(edit);
        if (before == text.str()) return;
        // Where the user is typing, the caret keeps its distance from the
        // end: a handler that rewrites the text as it is typed (UCase, a
        // filter) would otherwise send the next key to the start.
        bool typing = GetFocus() == edit;
        DWORD caret = 0;
        if (typing) SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        ++entry->quiet;
        SetWindowTextA(edit, text);
        --entry->quiet;
        std::string after = windowText(edit);
        if (typing) {
            size_t fromEnd = before.size() - std::min<size_t>(caret, before.size());
            WPARAM place = after.size() > fromEnd ? after.size() - fromEnd : 0;
            SendMessageA(edit, EM_SETSEL, place, place);
        }
        // A text box keeps only the first line of what it is given.
        if (after != before) kelbrun::fireChange(id);
        return;
    }
    default:
        SetWindowTextA(entry->hwnd, text);
        return;
    }
}

// A combo box's text is its selected item's; a list box has a window text
// that it does not show, as a canvas has.
String GetText(Long id) {
    Entry* entry = kelbrun::find(id);
    if (!entry) return String();
    if (entry->kind == Kind::ComboBox) return String(itemText(entry, kComboBox, send(entry, CB_GETCURSEL)));
    return String(windowText(entry->hwnd));
}

void SetChecked(Long id, Long state) {
    Entry* entry = kelbrun::findControl(id);
    if (!entry || entry->kind != Kind::CheckBox) return;
    bool checked = send(entry, BM_GETCHECK) == BST_CHECKED;
    if (checked == (state != 0)) return;
    send(entry, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED);
    kelbrun::fireChange(id);
}

Long GetChecked(Long id) {
    Entry* entry = kelbrun::findControl(id);
    if (!entry || entry->kind != Kind::CheckBox) return 0;
    return send(entry, BM_GETCHECK) == BST_CHECKED ? 1 : 0;
}

Long AddItem(Long id, String text) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    if (!entry) return 0;
    Long index = send(entry, messages->add, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
    return index < 0 ? -1 : index;
}

// The items after it move up one place; so does the selection.
void RemoveItem(Long id, Long index) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    if (!entry || index < 0 || index >= send(entry, messages->count)) return;
    Long selected = send(entry, messages->selection);
    send(entry, messages->remove, static_cast<WPARAM>(index));
    setSelection(entry, *messages, selected == index ? -1 : selected > index ? selected - 1 : selected);
}

void ClearItems(Long id) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    if (!entry) return;
    send(entry, messages->clear);
    setSelection(entry, *messages, -1);
}

Long ItemCount(Long id) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    return entry ? std::max<Long>(send(entry, messages->count), 0) : 0;
}

String ItemText(Long id, Long index) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    return entry ? String(itemText(entry, *messages, index)) : String();
}

Long SelectedIndex(Long id) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    if (!entry) return 0;
    Long selected = send(entry, messages->selection);
    return selected < 0 ? -1 : selected;
}

void SelectItem(Long id, Long index) {
    const ListMessages* messages = nullptr;
    Entry* entry = findList(id, messages);
    if (!entry || index < -1 || index >= send(entry, messages->count)) return;
    if (send(entry, messages->selection) == index) return;
    setSelection(entry, *messages, index);
    kelbrun::fireChange(id);
}

void SetEnabled(Long id, Long state) {
    Entry* entry = kelbrun::find(id);
    if (entry) EnableWindow(entry->hwnd, state != 0);
}

void SetVisible(Long id, Long state) {
    Entry* entry = kelbrun::find(id);
    if (entry) ShowWindow(entry->hwnd, state != 0 ? SW_SHOW : SW_HIDE);
}

void MoveControl(Long id, Long x, Long y, Long width, Long height) {
    Entry* entry = kelbrun::findControl(id);
    if (!entry) return;
    width = std::max<Long>(width, 0);
    height = std::max<Long>(height, 0);
    if (entry->kind == Kind::ComboBox) height += kComboListRoom;
    MoveWindow(entry->hwnd, x, y, width, height, TRUE);
}

void SetFocus(Long id) {
    Entry* entry = kelbrun::find(id);
    if (entry) ::SetFocus(entry->hwnd);
}

}  // namespace quillkit
