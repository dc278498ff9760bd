// Events: handlers kept per id, the messages that fire them, timers, and
// what a program does in a user's place (Click, PressKey, MoveMouse).
// A handler may close windows, add controls or start timers: no entry
// pointer is used after one has run.
#include "events.h"

namespace {

using kelbrun::Entry;
using kelbrun::Kind;

void fire(kelbrun::Handler handler, Long id) {
    if (handler) handler(id);
}

// The move MoveMouse is sending: its handler gets the numbers as given,
// which a message's 16-bit coordinates and button flags cannot all carry.
struct Move {
    bool pending = false;
    Long x = 0, y = 0, buttons = 0;
} sentMove;

Long listSelection(const Entry& entry) {
    UINT message = entry.kind == Kind::ListBox ? LB_GETCURSEL : CB_GETCURSEL;
    return static_cast<Long>(SendMessageA(entry.hwnd, message, 0, 0));
}

}  // namespace

namespace kelbrun {

void fireChange(Long id) {
    Entry* entry = find(id);
    if (entry) fire(entry->onChange, id);
}

void controlCommand(HWND control, UINT code) {
    Long id = idOf(control);
    Entry* entry = findControl(id);
    if (!entry || entry->quiet > 0) return;
    switch (entry->kind) {
    case Kind::Button:
        if (code == BN_CLICKED) fire(entry->onClick, id);
        break;
    case Kind::CheckBox:
        // The box has toggled already: the click, then the change.
        if (code == BN_CLICKED) {
            fire(entry->onClick, id);
            fireChange(id);
        }
        break;
    case Kind::TextBox:
    case Kind::TextArea:
        if (code == EN_CHANGE) fire(entry->onChange, id);
        break;
    case Kind::ListBox:
    case Kind::ComboBox:
        if ((entry->kind == Kind::ListBox && code == LBN_SELCHANGE) ||
            (entry->kind == Kind::ComboBox && code == CBN_SELCHANGE)) {
            Long now = listSelection(*entry);
            if (now == entry->selected) break;
            entry->selected = now;
            fire(entry->onChange, id);
        }
        break;
    default:
        break;
    }
}

// A handler that opens a dialog sees its own timer tick inside it, as any
// Windows program does; the dialogs bound how deep that goes.
void timerTick(UINT_PTR timer) {
    Long id = static_cast<Long>(timer);
    Timer* record = findTimer(id);
    if (record) fire(record->handler, id);
}

void keyDown(HWND hwnd, WPARAM key) {
    Long id = idOf(hwnd);
    Entry* entry = find(id);
    if (!entry) return;
    Kind kind = entry->kind;
    Long window = entry->window;
    if (entry->onKey) entry->onKey(id, static_cast<Long>(key));
    if (kind == Kind::Canvas) {
        Entry* owner = findWindow(window);
        if (owner) SendMessageA(owner->hwnd, WM_KEYDOWN, key, 1);
    }
    // Every key reaches the handlers (WM_GETDLGCODE); Tab still moves the
    // focus on from where it is.
    if (key == VK_TAB && GetFocus() == hwnd) {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        HWND next = GetNextDlgTabItem(root, hwnd == root ? nullptr : hwnd, GetKeyState(VK_SHIFT) < 0);
        if (next && next != hwnd) ::SetFocus(next);
    }
}

void mouseMessage(HWND hwnd, UINT message, WPARAM flags, LPARAM position) {
    Move sent = sentMove;
    sentMove.pending = false;
    Long id = idOf(hwnd);
    Entry* entry = find(id);
    if (!entry || entry->kind != Kind::Canvas) return;
    // Drawing with a button held goes on outside the canvas.
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        ::SetFocus(hwnd);
        SetCapture(hwnd);
    }
    Long buttons = ((flags & MK_LBUTTON) ? 1 : 0) | ((flags & MK_RBUTTON) ? 2 : 0) | ((flags & MK_MBUTTON) ? 4 : 0);
    if (buttons == 0 && GetCapture() == hwnd) ReleaseCapture();
    Long x = static_cast<Short>(LOWORD(position));
    Long y = static_cast<Short>(HIWORD(position));
    if (sent.pending && message == WM_MOUSEMOVE) {
        x = sent.x;
        y = sent.y;
        buttons = sent.buttons;
    }
    entry = find(id);
    if (!entry || !entry->onMouse) return;
    entry->onMouse(id, x, y, buttons);
}

bool keepOpen(HWND window) {
    Long id = idOf(window);
    Entry* entry = findWindow(id);
    return entry && entry->onClose && entry->onClose(id) != 0;
}

void routeKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd) return;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    // The window's own keys and a canvas's reach their procedures, which
    // pass a canvas's on to its window.
    if (root == message.hwnd) return;
    Entry* target = find(idOf(message.hwnd));
    if (target && target->kind == Kind::Canvas) return;
    Entry* window = findWindow(idOf(root));
    if (window && window->onKey) SendMessageA(root, WM_KEYDOWN, message.wParam, message.lParam);
}

}  // namespace kelbrun

namespace quillkit {

// Each kind takes the handlers of the events it has.
void OnClick(Long id, void (*handler)(Long source)) {
    Entry* entry = kelbrun::find(id);
    if (entry && (entry->kind == Kind::Button || entry->kind == Kind::CheckBox)) entry->onClick = handler;
}

void OnChange(Long id, void (*handler)(Long source)) {
    Entry* entry = kelbrun::find(id);
    if (!entry) return;
    switch (entry->kind) {
    case Kind::TextBox:
    case Kind::TextArea:
    case Kind::CheckBox:
    case Kind::ListBox:
    case Kind::ComboBox:
        entry->onChange = handler;
        break;
    default:
        break;
    }
}

void OnKey(Long id, void (*handler)(Long source, Long key)) {
    Entry* entry = kelbrun::find(id);
    if (entry && (entry->kind == Kind::Window || entry->kind == Kind::Canvas)) entry->onKey = handler;
}

void OnMouse(Long id, void (*handler)(Long source, Long x, Long y, Long buttons)) {
    Entry* entry = kelbrun::find(id);
    if (entry && entry->kind == Kind::Canvas) entry->onMouse = handler;
}

void OnClose(Long win, Long (*handler)(Long win)) {
    Entry* entry = kelbrun::findWindow(win);
    if (entry) entry->onClose = handler;
}

Long StartTimer(Long win, Long ms, void (*handler)(Long timer)) {
    Entry* window = kelbrun::findWindow(win);
    if (!window) return 0;
    HWND hwnd = window->hwnd;
    Long timer = kelbrun::addTimer(win, handler);
    if (!SetTimer(hwnd, static_cast<UINT_PTR>(timer), ms < 10 ? 10 : static_cast<UINT>(ms), nullptr)) {
        kelbrun::timerRecord(timer)->running = false;
        return 0;
    }
    return timer;
}

void StopTimer(Long timer) {
    kelbrun::Timer* record = kelbrun::findTimer(timer);
    if (!record) return;
    record->running = false;
    Entry* window = kelbrun::findWindow(record->window);
    if (window) KillTimer(window->hwnd, static_cast<UINT_PTR>(timer));
}

// The notification a click sends, sent to the window whether the control
// is enabled and shown or not; a check box toggles first, as it does
// under the mouse. A window's close box asks its OnClose.
void Click(Long id) {
    Entry* entry = kelbrun::find(id);
    if (!entry) return;
    if (entry->kind == Kind::Window) {
        SendMessageA(entry->hwnd, WM_CLOSE, 0, 0);
        return;
    }
    if (entry->kind != Kind::Button && entry->kind != Kind::CheckBox) return;
    HWND control = entry->hwnd;
    if (entry->kind == Kind::CheckBox) {
        LRESULT state = SendMessageA(control, BM_GETCHECK, 0, 0);
        SendMessageA(control, BM_SETCHECK, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM((kelbrun::kControlIdBase + id) & 0xFFFF, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
}

// On a canvas its own handler, then its window's; on any other control its
// window's, as the message loop hands them on.
void PressKey(Long id, Long key) {
    Entry* entry = kelbrun::find(id);
    if (!entry) return;
    if (entry->kind != Kind::Window && entry->kind != Kind::Canvas) entry = kelbrun::findWindow(entry->window);
    if (entry) SendMessageA(entry->hwnd, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
}

// One move with the buttons held: one OnMouse, as the handler sees a drag.
void MoveMouse(Long id, Long x, Long y, Long buttons) {
    Entry* entry = kelbrun::findControl(id);
    if (!entry || entry->kind != Kind::Canvas) return;
    WPARAM flags = ((buttons & 1) ? MK_LBUTTON : 0) | ((buttons & 2) ? MK_RBUTTON : 0) | ((buttons & 4) ? MK_MBUTTON : 0);
    sentMove = {true, x, y, buttons};
    SendMessageA(entry->hwnd, WM_MOUSEMOVE, flags, MAKELPARAM(x & 0xFFFF, y & 0xFFFF));
    sentMove.pending = false;
}

}  // namespace quillkit
