// The windows, controls and timers of a native run, by id. Ids are never
// given twice: a closed window's number finds nothing for the rest of the
// run, as its handle would under Windows.
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "memgui.h"

namespace quillkit {
namespace memgui {

namespace {

// Slot id - 1; an empty slot is closed.
std::vector<std::unique_ptr<Object>> objects;
std::map<Long, RunningTimer> timers;
Long lastTimer = 0;

// A window's face colour, which its drawing surface starts in.
const uint32_t faceColour = 0xF0F0F0;

Long add(std::unique_ptr<Object> object) {
    if (objects.size() >= static_cast<size_t>(std::numeric_limits<Long>::max())) return 0;
    object->id = static_cast<Long>(objects.size() + 1);
    if (object->kind == Kind::Window) object->window = object->id;
    objects.push_back(std::move(object));
    return objects.back()->id;
}

}  // namespace

std::string windowText(const String& text) { return std::string(text.str().c_str()); }

Object* find(Long id) {
    if (id <= 0 || static_cast<size_t>(id) > objects.size()) return nullptr;
    return objects[static_cast<size_t>(id) - 1].get();
}

Object* findWindow(Long id) {
    Object* object = find(id);
    return object && object->kind == Kind::Window ? object : nullptr;
}

Object* findControl(Long id, Kind kind) {
    Object* object = find(id);
    return object && object->kind == kind ? object : nullptr;
}

Long addControl(Long window, Kind kind, const String& text, Long width, Long height) {
    if (kind == Kind::Window || !findWindow(window)) return 0;
    auto control = std::make_unique<Object>();
    control->kind = kind;
    control->window = window;
    control->text = windowText(text);
    if (kind == Kind::Canvas) makeSurface(control->surface, width, height, 0xFFFFFF);
    Long id = add(std::move(control));
    if (Object* owner = findWindow(window)) owner->controls.push_back(id);
    return id;
}

RunningTimer* dueTimer() {
    RunningTimer* first = nullptr;
    // The map runs in id order, which is the order the timers started.
    for (auto& entry : timers) {
        if (!first || entry.second.due < first->due) first = &entry.second;
    }
    return first;
}

}  // namespace memgui

using namespace memgui;

Long OpenWindow(String title, Long width, Long height) {
    auto window = std::make_unique<Object>();
    window->kind = Kind::Window;
    window->text = windowText(title);
    makeSurface(window->surface, width, height, faceColour);
    return add(std::move(window));
}

void CloseWindow(Long win) {
    Object* window = findWindow(win);
    if (!window) return;
    std::vector<Long> controls = std::move(window->controls);
    for (Long id : controls) objects[static_cast<size_t>(id) - 1].reset();
    objects[static_cast<size_t>(win) - 1].reset();
    for (auto timer = timers.begin(); timer != timers.end();) {
        if (timer->second.window == win) {
            timer = timers.erase(timer);
        } else {
            ++timer;
        }
    }
}

void SetTitle(Long win, String title) {
    if (Object* window = findWindow(win)) window->text = windowText(title);
}

Long IsOpen(Long id) { return find(id) ? 1 : 0; }

Long StartTimer(Long win, Long ms, void (*handler)(Long timer)) {
    if (!findWindow(win) || lastTimer == std::numeric_limits<Long>::max()) return 0;
    RunningTimer timer;
    timer.id = ++lastTimer;
    timer.window = win;
    // Windows raises a shorter interval to its minimum of 10 ms.
    timer.interval = ms < 10 ? 10 : ms;
    timer.due = now() + timer.interval;
    timer.handler = handler;
    timers[timer.id] = timer;
    return timer.id;
}

void StopTimer(Long timer) { timers.erase(timer); }

}  // namespace quillkit
