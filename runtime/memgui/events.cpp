// Handlers, what the program does as its user, and the event loop of a
// native run. No user is there: after Main, only timers make anything
// happen, and they run in virtual time, at once, in the order their times
// come. Every handler is looked up by id just before it runs, since the one
// before it may have closed its window.
#include <cstdio>

#include "memgui.h"

// The program's own FUNCTION Main(); its return type is not part of the
// name.
void Main();

namespace quillkit {
namespace memgui {

namespace {

int64_t virtualClock = 0;
// Past an hour the clock stops, as a user would close a program that runs
// on by itself: Wine would take that hour in earnest.
const int64_t clockEnd = 60 * 60 * 1000;

long instance = 0;

bool canClick(const Object* object) { return object->kind == Kind::Button || object->kind == Kind::CheckBox; }

bool canChange(const Object* object) {
    switch (object->kind) {
    case Kind::TextBox:
    case Kind::TextArea:
    case Kind::CheckBox:
    case Kind::ListBox:
    case Kind::ComboBox:
        return true;
    default:
        return false;
    }
}

void fireClick(Long id) {
    Object* object = find(id);
    if (object && object->onClick) object->onClick(id);
}

void fireKey(Long id, Long key) {
    Object* object = find(id);
    if (object && object->onKey) object->onKey(id, key);
}

}  // namespace

int64_t now() { return virtualClock; }

bool runNextTimer() {
    RunningTimer* timer = dueTimer();
    if (!timer || timer->due > clockEnd) return false;
    virtualClock = timer->due;
    timer->due = virtualClock + timer->interval;
    Long id = timer->id;
    void (*handler)(Long) = timer->handler;
    if (handler) handler(id);
    return true;
}

void fireChange(Long id) {
    Object* object = find(id);
    if (object && object->onChange) object->onChange(id);
}

}  // namespace memgui

using namespace memgui;

void OnClick(Long id, void (*handler)(Long source)) {
    Object* object = find(id);
    if (object && canClick(object)) object->onClick = handler;
}

void OnChange(Long id, void (*handler)(Long source)) {
    Object* object = find(id);
    if (object && canChange(object)) object->onChange = handler;
}

void OnKey(Long id, void (*handler)(Long source, Long key)) {
    Object* object = find(id);
    if (object && (object->kind == Kind::Window || object->kind == Kind::Canvas)) object->onKey = handler;
}

void OnMouse(Long id, void (*handler)(Long source, Long x, Long y, Long buttons)) {
    if (Object* canvas = findControl(id, Kind::Canvas)) canvas->onMouse = handler;
}

// Asked by Click on the window, which is where a user asks.
void OnClose(Long win, Long (*handler)(Long win)) {
    if (Object* window = findWindow(win)) window->onClose = handler;
}

void Click(Long id) {
    Object* object = find(id);
    if (!object) return;
    if (object->kind == Kind::Window) {
        // The close box: the window closes unless its OnClose keeps it.
        Long (*asked)(Long) = object->onClose;
        if (!asked || !asked(id)) CloseWindow(id);
        return;
    }
    if (!canClick(object)) return;
    if (object->kind == Kind::CheckBox) {
        object->checked = object->checked ? 0 : 1;
        fireClick(id);
        fireChange(id);
    } else {
        fireClick(id);
    }
}

// The canvas's own handler first, then its window's, which sees every key
// pressed anywhere in it.
void PressKey(Long id, Long key) {
    Object* object = find(id);
    if (!object) return;
    Long window = object->window;
    if (object->kind == Kind::Canvas) fireKey(id, key);
    fireKey(window, key);
}

void MoveMouse(Long id, Long x, Long y, Long buttons) {
    Object* canvas = findControl(id, Kind::Canvas);
    if (canvas && canvas->onMouse) canvas->onMouse(id, x, y, buttons);
}

}  // namespace quillkit

long AppInstance() { return quillkit::memgui::instance; }

// Main, then the timers until none runs: with no user and no timer, nothing
// can happen any more, and the windows still open end with the program.
void InitGui(long hInstance) {
    quillkit::memgui::instance = hInstance;
    Main();
    while (quillkit::memgui::runNextTimer()) {
    }
    std::fflush(stdout);
}
