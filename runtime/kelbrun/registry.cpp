// Ids to windows, controls and timers.
#include "registry.h"

#include <unordered_map>
#include <vector>

#include "drawing.h"

namespace kelbrun {

namespace {

// Entry n - 1 is id n.
std::vector<Entry> entries;
std::vector<Timer> timers;
std::unordered_map<HWND, Long> byHandle;

}  // namespace

Long add(Kind kind, Long window) {
    Entry entry;
    entry.kind = kind;
    entry.open = true;
    entry.window = window;
    entries.push_back(entry);
    Long id = static_cast<Long>(entries.size());
    if (kind == Kind::Window) entries.back().window = id;
    return id;
}

Entry* find(Long id) {
    if (id < 1 || static_cast<size_t>(id) > entries.size()) return nullptr;
    Entry& entry = entries[id - 1];
    return entry.open ? &entry : nullptr;
}

Entry* findWindow(Long id) {
    Entry* entry = find(id);
    return entry && entry->kind == Kind::Window ? entry : nullptr;
}

Entry* findControl(Long id) {
    Entry* entry = find(id);
    return entry && entry->kind != Kind::Window ? entry : nullptr;
}

void attach(Long id, HWND hwnd) {
    Entry* entry = find(id);
    if (!entry || !hwnd) return;
    entry->hwnd = hwnd;
    byHandle[hwnd] = id;
}

Long idOf(HWND hwnd) {
    auto found = byHandle.find(hwnd);
    return found != byHandle.end() && find(found->second) ? found->second : 0;
}

void discard(Long id) {
    Entry* entry = find(id);
    if (!entry) return;
    if (entry->hwnd) byHandle.erase(entry->hwnd);
    entry->open = false;
    entry->hwnd = nullptr;
    freeSurface(entry->surface);
}

void forgetWindow(Long win) {
    Entry* window = findWindow(win);
    if (!window) return;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].open && entries[i].window == win) discard(static_cast<Long>(i + 1));
    }
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].running && timers[i].window == win) timers[i].running = false;
    }
}

int openWindowCount() {
    int count = 0;
    for (const Entry& entry : entries)
        if (entry.open && entry.kind == Kind::Window) ++count;
    return count;
}

HWND dialogOwner() {
    HWND active = GetActiveWindow();
    if (active && findWindow(idOf(active))) return active;
    for (size_t i = entries.size(); i > 0; --i) {
        if (entries[i - 1].open && entries[i - 1].kind == Kind::Window) return entries[i - 1].hwnd;
    }
    return nullptr;
}

Long addTimer(Long win, Handler handler) {
    Timer timer;
    timer.window = win;
    timer.handler = handler;
    timer.running = true;
    timers.push_back(timer);
    return static_cast<Long>(timers.size());
}

Timer* timerRecord(Long timer) {
    if (timer < 1 || static_cast<size_t>(timer) > timers.size()) return nullptr;
    return &timers[timer - 1];
}

Timer* findTimer(Long timer) {
    Timer* found = timerRecord(timer);
    return found && found->running ? found : nullptr;
}

}  // namespace kelbrun
